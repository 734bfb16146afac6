#include "files/run_directory.h"

#include "text/compose.h"
#include "text/cut.h"
#include "text/find.h"

namespace netbar {
namespace {

Text& RunDirectory() {
  static Text directory;
  return directory;
}

}  // namespace

Text DirectoryOfPath(TextView path) {
  const char separator[] = {kPathSeparator, '\0'};
  const int32_t last = FindTextReverse(path, separator);
  return last < 1 ? Text() : TextLeft(path, last - 1);
}

Text JoinPath(TextView directory, TextView name) {
  const char separator[] = {kPathSeparator, '\0'};
  return ConcatText({directory, separator, name});
}

void FixRunDirectory() { RunDirectory() = DirectoryOfPath(GetExecutablePath()); }

Text GetRunDirectory() { return RunDirectory(); }

}  // namespace netbar
