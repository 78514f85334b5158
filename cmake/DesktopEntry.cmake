# The audio types the player opens: offered to file managers by the desktop
# entry and announced on the session bus by the running player.
set(SOLVANE_MIME_TYPES
  audio/mpeg audio/x-mp3 audio/x-mpeg audio/mp2 audio/x-mp2 audio/x-mp1
  audio/x-wav audio/wav audio/vnd.wave
  audio/ogg audio/x-vorbis+ogg audio/vorbis
  audio/flac audio/x-flac audio/x-opus+ogg audio/opus
  audio/x-mod audio/x-xm audio/x-s3m audio/x-it audio/x-mtm
  application/x-cue)
