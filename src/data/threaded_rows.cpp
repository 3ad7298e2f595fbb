#include "data/threaded_rows.h"

#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "common/input_file.h"
#include "common/parallel.h"
#include "data/word_stream.h"

namespace manifit {

namespace {

constexpr size_t kDefaultChunkBytes = size_t{4} << 20;

std::atomic<size_t> chunkBytes{kDefaultChunkBytes};

// Operations a piece is counted as in parallelFor: only files of several
// chunks come here, so every piece is worth a thread.
constexpr double kPieceCost = 1.0e9;

// One piece of a chunk, [begin, end), and what the passes found in it.
struct Piece {
  size_t begin = 0;
  size_t end = 0;
  int64_t words = 0;
  int64_t first = 0;  // index of its first word among the table's numbers
  int lineBreaks = 0;
  bool plain = true;  // no over-long word, every word a finite number
};

// Cuts [0, length) into count pieces, each boundary moved forward to a blank
// so that no word is cut.
std::vector<Piece> cutPieces(const char* text, size_t length, int count) {
  std::vector<Piece> pieces(static_cast<size_t>(count));
  size_t begin = 0;
  for (int k = 0; k < count; ++k) {
    size_t end = length / static_cast<size_t>(count) * static_cast<size_t>(k + 1);
    if (k == count - 1) end = length;
    end = std::max(end, begin);
    while (end < length && !isWordBlank(text[end])) ++end;
    pieces[static_cast<size_t>(k)].begin = begin;
    pieces[static_cast<size_t>(k)].end = end;
    begin = end;
  }
  return pieces;
}

// First pass: the words and line breaks of a piece; a word longer than the
// word-by-word reading takes makes it not plain. (A word holding a NUL byte
// never converts, so the second pass finds it.)
void countPiece(const char* text, Piece& piece) {
  size_t p = piece.begin;
  while (p < piece.end) {
    if (isWordBlank(text[p])) {
      if (text[p] == '\n') ++piece.lineBreaks;
      ++p;
      continue;
    }
    const size_t start = p;
    while (p < piece.end && !isWordBlank(text[p])) ++p;
    if (p - start > WordStream::kMaxWordLength) piece.plain = false;
    ++piece.words;
  }
}

// Second pass: the piece's words converted into numbers[first...]; a word
// that is not a finite number makes it not plain.
void parsePiece(const char* text, float* numbers, Piece& piece) {
  float* out = numbers + piece.first;
  size_t p = piece.begin;
  while (p < piece.end) {
    if (isWordBlank(text[p])) {
      ++p;
      continue;
    }
    const size_t start = p;
    while (p < piece.end && !isWordBlank(text[p])) ++p;
    if (!parseFloatFast(text + start, p - start, *out) || !std::isfinite(*out)) {
      piece.plain = false;
      return;
    }
    ++out;
  }
}

// Runs step on every piece, one piece per thread.
template <typename Step>
void forEachPiece(std::vector<Piece>& pieces, const Step& step) {
  parallelFor(static_cast<long>(pieces.size()), kPieceCost, [&pieces, &step](long begin, long end) {
    for (long k = begin; k < end; ++k) step(pieces[static_cast<size_t>(k)]);
  });
}

bool allPlain(const std::vector<Piece>& pieces) {
  for (const Piece& piece : pieces) {
    if (!piece.plain) return false;
  }
  return true;
}

}  // namespace

bool worthThreading(size_t restBytes) {
  return workerThreads() > 1 && restBytes > 2 * chunkBytes.load();
}

void setTableChunkBytes(size_t bytes) {
  chunkBytes.store(bytes == 0 ? kDefaultChunkBytes : bytes);
}

RowsProgress readRowsThreaded(const std::string& path, RowsProgress from, DataTable& table) {
  FilePointer file = openInputFile(path);
  if (!file || std::fseek(file.get(), static_cast<long>(from.offset), SEEK_SET) != 0) return from;
  const int64_t total = static_cast<int64_t>(table.pointCount) * table.dimension;
  std::vector<char> chunk(chunkBytes.load());
  size_t kept = 0;  // the start of a word cut by the last chunk's end
  RowsProgress done = from;
  for (;;) {
    const size_t room = chunk.size() - kept;
    const size_t got = std::fread(chunk.data() + kept, 1, room, file.get());
    if (got < room) return done;  // the file's end or a failed read
    size_t cut = chunk.size();
    while (cut > 0 && !isWordBlank(chunk[cut - 1])) --cut;
    if (cut == 0) return done;  // one word fills the chunk

    std::vector<Piece> pieces = cutPieces(chunk.data(), cut, workerThreads());
    forEachPiece(pieces, [&chunk](Piece& piece) { countPiece(chunk.data(), piece); });
    int64_t words = 0;
    int lineBreaks = 0;
    for (Piece& piece : pieces) {
      piece.first = done.numbers + words;
      words += piece.words;
      lineBreaks += piece.lineBreaks;
    }
    if (!allPlain(pieces) || done.numbers + words >= total) return done;
    float* numbers = table.storage.data();
    forEachPiece(pieces,
                 [&chunk, numbers](Piece& piece) { parsePiece(chunk.data(), numbers, piece); });
    if (!allPlain(pieces)) return done;

    done.numbers += words;
    done.offset += cut;
    done.line += lineBreaks;
    kept = chunk.size() - cut;
    std::memmove(chunk.data(), chunk.data() + cut, kept);
  }
}

}  // namespace manifit
