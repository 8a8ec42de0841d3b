#include "db2config/ConfigurationFiles.h"

namespace rk::db2config {

char DirectorySeparator() { return '\\'; }
char PathListSeparator() { return ';'; }

} // namespace rk::db2config
