// Song files: the tags and audio properties read for the playlist and File
// Info, and the first second of audio through the stream decoders. The first
// byte of the input chooses the file's extension, the rest is the file.
#include <array>
#include <vector>

#include "FuzzInput.h"
#include "platform/bass/StreamOpener.h"
#include "playlist/SongFacts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  static const std::array<const char*, 5> extensions{".mp3", ".flac", ".opus", ".ogg", ".wav"};
  const QString path = Fuzz::WriteInputFile(data + 1, size - 1, QString::fromLatin1(extensions[data[0] % extensions.size()]));
  SongFacts::ReadSongFacts(path, SongFacts::Detail::AllTags);
  const Bass::OpenResult opened = Bass::OpenStreamDecoder(path.toStdString());
  if (opened.decoder) {
    std::vector<int16_t> frames(4096 * 2);
    for (int read = 0; read < 44100; read += 4096)
      if (opened.decoder->Read(frames.data(), 4096) == 0) break;
    opened.decoder->Seek(opened.decoder->LengthFrames() / 2);
    opened.decoder->Read(frames.data(), 4096);
  }
  return 0;
}
