#pragma once
// Internet radio addresses. An entry whose path is an http:// or https://
// address is a stream that plays over the network, wherever it comes from:
// the "Add Url" dialog, a playlist file, a drop or the command line.
#include <QString>

namespace KestrelixAudioApi {

// True for a path that starts with "http://" or "https://" (any letter case).
bool IsStreamUrl(const QString& path);

struct CheckedUrl {
  QString url;    // the address to store, empty when it was refused
  QString error;  // why it was refused, for the user
};

// The address a user typed or pasted: blanks around it are dropped, and an
// address without a scheme ("radio.example.com:8000/live") is taken as
// http. Anything that is not an http or https address with a host, or that
// holds characters an entry line cannot carry, is refused with a reason.
CheckedUrl CheckStreamUrl(const QString& text);

}  // namespace KestrelixAudioApi
