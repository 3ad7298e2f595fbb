#include "data/threaded_rows.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "common/input_file.h"
#include "common/parallel.h"
#include "data/word_stream.h"

namespace manifit {

namespace {

constexpr size_t kDefaultChunkBytes = size_t{2} << 20;

std::atomic<size_t> chunkBytes{kDefaultChunkBytes};

// Operations a piece is counted as in parallelFor: only files of several
// chunks come here, so every piece is worth a thread.
constexpr double kPieceCost = 1.0e9;

// One piece of a chunk, [begin, end), and what its reading found. Each piece
// has cache lines of its own: its thread writes it at every word.
struct alignas(64) Piece {
  size_t begin = 0;
  size_t end = 0;
  std::vector<float> numbers;  // its words converted, in order
  int lineBreaks = 0;
  bool plain = true;  // every word a finite number the word-by-word reading takes
};

// Cuts [0, length) into the pieces, each boundary moved forward to a blank
// so that no word is cut.
void cutPieces(const char* text, size_t length, std::vector<Piece>& pieces) {
  const size_t count = pieces.size();
  size_t begin = 0;
  for (size_t k = 0; k < count; ++k) {
    size_t end = k + 1 == count ? length : std::max(begin, length / count * (k + 1));
    while (end < length && !isWordBlank(text[end])) ++end;
    pieces[k].begin = begin;
    pieces[k].end = end;
    begin = end;
  }
}

// The words of a piece converted one by one, and its line breaks counted; it
// stops, not plain, at a word longer than the word-by-word reading takes or
// one that is not a finite number (a word holding a NUL byte never converts).
void readPiece(const char* text, Piece& piece) {
  piece.numbers.clear();
  piece.numbers.reserve((piece.end - piece.begin) / 2 + 1);  // pages are touched only as used
  piece.lineBreaks = 0;
  piece.plain = true;
  size_t p = piece.begin;
  while (p < piece.end) {
    if (isWordBlank(text[p])) {
      if (text[p] == '\n') ++piece.lineBreaks;
      ++p;
      continue;
    }
    const size_t start = p;
    while (p < piece.end && !isWordBlank(text[p])) ++p;
    float value = 0.0f;
    if (p - start > WordStream::kMaxWordLength || !parseFloatFast(text + start, p - start, value) ||
        !std::isfinite(value)) {
      piece.plain = false;
      return;
    }
    piece.numbers.push_back(value);
  }
}

// Reads every piece, one piece per thread; false unless all are plain (or
// when memory for a piece's numbers ran out: the word-by-word reading needs
// none).
bool readPieces(const char* text, std::vector<Piece>& pieces) {
  try {
    parallelFor(static_cast<long>(pieces.size()), kPieceCost,
                [text, &pieces](long begin, long end) {
                  for (long k = begin; k < end; ++k)
                    readPiece(text, pieces[static_cast<size_t>(k)]);
                });
  } catch (const std::bad_alloc&) {
    return false;
  }
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
  std::vector<Piece> pieces(static_cast<size_t>(workerThreads()));
  RowsProgress done = from;
  for (;;) {
    const size_t room = chunk.size() - kept;
    const size_t got = std::fread(chunk.data() + kept, 1, room, file.get());
    if (got < room) return done;  // the file's end or a failed read
    size_t cut = chunk.size();
    while (cut > 0 && !isWordBlank(chunk[cut - 1])) --cut;
    if (cut == 0) return done;  // one word fills the chunk

    cutPieces(chunk.data(), cut, pieces);
    if (!readPieces(chunk.data(), pieces)) return done;
    int64_t words = 0;
    for (const Piece& piece : pieces) words += static_cast<int64_t>(piece.numbers.size());
    if (done.numbers + words >= total) return done;
    float* out = table.storage.data() + done.numbers;
    for (const Piece& piece : pieces) {
      out = std::copy(piece.numbers.begin(), piece.numbers.end(), out);
      done.line += piece.lineBreaks;
    }
    done.numbers += words;
    done.offset += cut;
    kept = chunk.size() - cut;
    std::memmove(chunk.data(), chunk.data() + cut, kept);
  }
}

}  // namespace manifit
