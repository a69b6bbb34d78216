// make-pictures FOLDER: writes FOLDER/图片/<model>.jpg for every model of the
// catalogue and FOLDER/pelvoro.png, the program's icon.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "model/catalogue.h"
#include "vehicle_picture.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fputs("usage: make-pictures FOLDER\n", stderr);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("图片"))) return 1;
  for (const pelvoro::VehiclePreset& preset : pelvoro::vehicleCatalogue()) {
    const QString name = QString::fromUtf8(preset.caption.data(), static_cast<qsizetype>(preset.caption.size()));
    if (!pelvoro::vehiclePicture(preset).save(folder.filePath(QStringLiteral("图片/") + name + ".jpg"), "JPG", 90))
      return 1;
  }
  return pelvoro::programIcon(128).save(folder.filePath(QStringLiteral("pelvoro.png")), "PNG") ? 0 : 1;
}
