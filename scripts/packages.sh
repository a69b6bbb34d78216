# Debian packages the project needs, sourced by the run and test commands.
BUILD_PACKAGES=(build-essential cmake pkg-config qt6-base-dev libgl-dev)
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev)
