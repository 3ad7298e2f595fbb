#include "common/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

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

TextFileEnd readTextFile(std::FILE* file, size_t maxBytes, std::string& text, long& nulLine) {
  text.clear();
  nulLine = 0;
  char buffer[65536];
  size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
    const char* nul = static_cast<const char*>(std::memchr(buffer, '\0', got));
    if (nul != nullptr) {
      nulLine = 1 + std::count(text.begin(), text.end(), '\n') +
                std::count(static_cast<const char*>(buffer), nul, '\n');
      return TextFileEnd::nulByte;
    }
    if (got > maxBytes - std::min(maxBytes, text.size())) return TextFileEnd::tooLarge;
    text.append(buffer, got);
  }
  return std::ferror(file) ? TextFileEnd::readError : TextFileEnd::complete;
}

}  // namespace manifit
