#include "data/word_stream.h"

#include <algorithm>
#include <cfloat>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace manifit {

namespace {

constexpr size_t kPiece = size_t{1} << 20;

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

bool WordStream::open(const std::string& path, size_t offset) {
  file = openInputFile(path);
  if (!file) return false;
  // The length of a regular file bounds what its header may declare; other
  // inputs (devices, pipes) are read piece by piece as far as needed.
  long length = -1;
  if (isRegularFile(file.get()) && std::fseek(file.get(), 0, SEEK_END) == 0) {
    length = std::ftell(file.get());
    if (std::fseek(file.get(), 0, SEEK_SET) != 0) length = -1;
  }
  if (length < 0) {
    if (offset > 0) return false;
    std::clearerr(file.get());
    buffer.assign(kPiece + 1, '\0');
  } else {
    // A small file gets a buffer of its own size (one byte more than the
    // file, so the first read already sees its end).
    fileSize = static_cast<size_t>(length);
    if (offset > fileSize || std::fseek(file.get(), static_cast<long>(offset), SEEK_SET) != 0)
      return false;
    lengthKnown = true;
    readSoFar = offset;
    buffer.assign(std::min(kPiece, fileSize - offset + 1) + 1, '\0');
  }
  refill(0);
  return !failed;
}

bool WordStream::finish(WordStreamEnd why) {
  if (stop == WordStreamEnd::none) stop = why;
  return false;
}

bool WordStream::refill(size_t keepFrom) {
  if (atEnd || failed) return false;
  const size_t kept = filled - keepFrom;
  if (keepFrom > 0) std::memmove(buffer.data(), buffer.data() + keepFrom, kept);
  position -= keepFrom;
  filled = kept;
  const size_t free = buffer.size() - 1 - filled;
  const bool restFits = lengthKnown && free > 0 && readSoFar + free > fileSize;
  if (free < kPiece / 2 && !restFits) buffer.resize(std::max(filled + kPiece, 2 * filled) + 1);
  const size_t room = buffer.size() - 1 - filled;
  const size_t got = std::fread(buffer.data() + filled, 1, room, file.get());
  filled += got;
  readSoFar += got;
  buffer[filled] = '\0';
  if (std::ferror(file.get()) != 0) failed = true;
  if (got < room) atEnd = true;
  return got > 0 && !failed;
}

bool WordStream::next(const char*& word, size_t& length) {
  if (stop != WordStreamEnd::none) return false;
  for (;;) {
    while (position < filled && isWordBlank(buffer[position])) {
      if (buffer[position] == '\n') ++line;
      ++position;
    }
    if (position < filled) break;
    if (!refill(position))
      return finish(failed ? WordStreamEnd::readError : WordStreamEnd::endOfFile);
  }
  size_t start = position;
  for (;;) {
    while (position < filled && !isWordBlank(buffer[position]) && buffer[position] != '\0')
      ++position;
    if (position - start > kMaxWordLength) return finish(WordStreamEnd::longWord);
    if (position < filled || atEnd) break;
    // The word may go on in the next piece.
    const size_t offset = position - start;
    position = start;
    const bool more = refill(start);
    start = 0;
    position = offset;
    if (!more) break;
  }
  if (failed) return finish(WordStreamEnd::readError);
  if (position < filled && buffer[position] == '\0') return finish(WordStreamEnd::nulByte);
  word = buffer.data() + start;
  length = position - start;
  return true;
}

namespace {

// A word read as [sign] digits [. digits] [e [sign] digits]: the value is
// m 10^exponent. plain is false when the word has more than 19 significant
// digits or an exponent without digits.
struct DecimalWord {
  bool negative = false;
  uint64_t m = 0;
  int exponent = 0;
  bool anyDigit = false;
  bool plain = true;
  bool complete = false;  // the form took the whole word
};

// Adds the digits at s to m (leading zeros of m skipped, each counted in
// significant), moving s past them; a fraction's digits also lower exponent.
void scanDigits(const char*& s, const char* end, bool fraction, int& significant, DecimalWord& d) {
  for (; s < end && isDigit(*s); ++s) {
    d.anyDigit = true;
    if (fraction) --d.exponent;
    if (d.m == 0 && *s == '0') continue;
    if (++significant > 19) d.plain = false;
    d.m = d.m * 10 + static_cast<uint64_t>(*s - '0');
  }
}

// The exponent part after 'e' or 'E', added to d.exponent.
void scanExponent(const char*& s, const char* end, DecimalWord& d) {
  bool negativeExponent = false;
  if (s < end && (*s == '+' || *s == '-')) {
    negativeExponent = *s == '-';
    ++s;
  }
  int e = 0;
  int digits = 0;
  for (; s < end && isDigit(*s); ++s, ++digits) {
    if (e < 100000) e = e * 10 + (*s - '0');
  }
  if (digits == 0) d.plain = false;
  d.exponent += negativeExponent ? -e : e;
}

DecimalWord scanDecimal(const char* word, size_t length) {
  DecimalWord d;
  const char* s = word;
  const char* end = word + length;
  if (s < end && (*s == '+' || *s == '-')) {
    d.negative = *s == '-';
    ++s;
  }
  int significant = 0;
  scanDigits(s, end, false, significant, d);
  if (s < end && *s == '.') {
    ++s;
    scanDigits(s, end, true, significant, d);
  }
  if (d.anyDigit && s < end && (*s == 'e' || *s == 'E')) {
    ++s;
    scanExponent(s, end, d);
  }
  d.complete = s == end;
  return d;
}

// The correctly rounded float of a plain decimal, when m 10^e computed in
// double gives it (see parseFloatFast); false otherwise.
bool exactFloat(const DecimalWord& d, float& value) {
  static const double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  if (!d.plain || !d.anyDigit || !d.complete) return false;
  if (d.m == 0) {
    value = d.negative ? -0.0f : 0.0f;
    return true;
  }
  if (d.m >= (uint64_t{1} << 53) || d.exponent < -22 || d.exponent > 22) return false;
  const double x = d.exponent >= 0 ? static_cast<double>(d.m) * kPowers[d.exponent]
                                   : static_cast<double>(d.m) / kPowers[-d.exponent];
  uint64_t bits = 0;
  std::memcpy(&bits, &x, sizeof bits);
  const bool halfway = (bits & ((uint64_t{1} << 29) - 1)) == (uint64_t{1} << 28);
  if (!(x >= FLT_MIN && x <= FLT_MAX) || halfway) return false;
  const float f = static_cast<float>(x);
  value = d.negative ? -f : f;
  return true;
}

}  // namespace

// A decimal [sign] digits [. digits] [e [sign] digits] with at most 19
// significant digits is m 10^e exactly. When m < 2^53 and |e| <= 22, m and
// 10^|e| are exact doubles, so m * 10^e (or m / 10^-e) is the correctly
// rounded double d of the number. Rounding d to float gives the correctly
// rounded float unless d lies exactly halfway between two floats (every such
// halfway point is a double, so none can lie strictly between the number and
// d): that case, and every other form, goes to strtof.
bool parseFloatFast(const char* word, size_t length, float& value) {
  if (exactFloat(scanDecimal(word, length), value)) return true;
  char* stop = nullptr;
  value = std::strtof(word, &stop);
  return stop == word + length;
}

}  // namespace manifit
