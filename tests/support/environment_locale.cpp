// Linked into every test executable without a window: the C library's locale comes from
// the environment before any test runs, as the toolkit sets it in the desktop programs,
// so the comma-locale run sees what a user's program would.
#include <clocale>

namespace {

const bool g_environmentLocale = std::setlocale(LC_ALL, "") != nullptr;

}  // namespace
