# Debian packages the project needs, sourced by the run and test commands.
BUILD_PACKAGES=(build-essential cmake pkg-config)
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev)
