#include "common/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace manifit {

FilePointer openInputFile(const std::string& path) {
  // O_NONBLOCK only for the open itself: reads block as usual afterwards.
  const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return FilePointer();
  const int flags = fcntl(descriptor, F_GETFL);
  if (flags < 0 || fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    close(descriptor);
    return FilePointer();
  }
  FilePointer file(fdopen(descriptor, "rb"));
  if (!file) close(descriptor);
  return file;
}

bool isRegularFile(std::FILE* file) {
  struct stat info;
  return fstat(fileno(file), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace manifit
