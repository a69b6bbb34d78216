// Refuses a second copy of the program: a lock file in the user's runtime folder.
#pragma once

#include <QLockFile>
#include <memory>

namespace pelvoro {

// The lock of this copy, or nullptr when another copy holds it. A lock left by
// a copy that crashed is taken over.
std::unique_ptr<QLockFile> lockSingleInstance(const QString& lockFile);

// "<runtime folder>/pelvoro.lock".
QString defaultLockFile();

}  // namespace pelvoro
