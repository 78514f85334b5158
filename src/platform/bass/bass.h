#pragma once
// The audio library: the BASS 1.6 call set the player uses, implemented over
// libmpg123, libvorbisfile, libsndfile, libopenmpt, libcdio-paranoia, libsoxr,
// kissfft and SDL2. Names, argument lists, flag values and error codes are
// those of the 1.6 interface.
//
// Linux specifics:
//  - BASS_CDInit's drive is a device path ("/dev/sr0") or a disc image that
//    libcdio opens (.cue, .toc, .nrg); nullptr takes SOLVANE_CD_DRIVE when set,
//    else the first drive libcdio lists. BASS_CDGetDrive tells which drive or
//    image is open, so a caller can switch by BASS_CDFree + BASS_CDInit.
//  - BASS_Init's output is chosen by SOLVANE_AUDIO_OUTPUT: unset or "auto" the
//    default SDL2 device, "null" silence paced in real time, "wav:PATH" the mix
//    written to a WAV file paced in real time. Device 0 is also silence.
//    SOLVANE_AUDIO_PACE (a factor, default 1) speeds up the pacing of the null
//    and wav outputs; tests use it to play files faster than real time.
//  - BASS_StreamCreateURL returns at once: the connection is made on a thread
//    of the stream's own, and the stream reports BASS_ACTIVE_STALLED while its
//    buffer fills. Its sound is 16-bit stereo at the mix rate; the station's
//    own format comes from BASS_ChannelGetInfo once known.
#include <cstdint>

typedef uint32_t DWORD;
typedef uint64_t QWORD;
typedef uint16_t WORD;
typedef int BOOL;
typedef void* HWND;

typedef DWORD HMUSIC;   // music handle
typedef DWORD HSTREAM;  // stream handle
typedef DWORD HDSP;     // DSP handle

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

// Error codes returned by BASS_ErrorGetCode.
#define BASS_OK 0
#define BASS_ERROR_MEM 1        // memory error
#define BASS_ERROR_FILEOPEN 2   // can't open the file
#define BASS_ERROR_DRIVER 3     // can't find a free or valid driver
#define BASS_ERROR_BUFLOST 4    // the sample buffer was lost
#define BASS_ERROR_HANDLE 5     // invalid handle
#define BASS_ERROR_FORMAT 6     // unsupported format
#define BASS_ERROR_POSITION 7   // invalid playback position
#define BASS_ERROR_INIT 8       // BASS_Init has not been successfully called
#define BASS_ERROR_START 9      // BASS_Start has not been successfully called
#define BASS_ERROR_INITCD 10    // can't initialize CD
#define BASS_ERROR_CDINIT 11    // BASS_CDInit has not been successfully called
#define BASS_ERROR_NOCD 12      // no CD in drive
#define BASS_ERROR_CDTRACK 13   // can't play the selected CD track
#define BASS_ERROR_ALREADY 14   // already initialized
#define BASS_ERROR_CDVOL 15     // CD has no volume control
#define BASS_ERROR_NOPAUSE 16   // not paused
#define BASS_ERROR_NOTAUDIO 17  // not an audio track
#define BASS_ERROR_NOCHAN 18    // can't get a free channel
#define BASS_ERROR_ILLTYPE 19   // an illegal type was specified
#define BASS_ERROR_ILLPARAM 20  // an illegal parameter was specified
#define BASS_ERROR_NO3D 21      // no 3D support
#define BASS_ERROR_NOEAX 22     // no EAX support
#define BASS_ERROR_DEVICE 23    // illegal device number
#define BASS_ERROR_NOPLAY 24    // not playing
#define BASS_ERROR_FREQ 25      // illegal sample rate
#define BASS_ERROR_NOTFILE 27   // the stream is not a file stream
#define BASS_ERROR_NOHW 29      // no hardware voices available
#define BASS_ERROR_EMPTY 31     // the music has no sequence data
#define BASS_ERROR_CREATE 33    // couldn't create the file
#define BASS_ERROR_NOTAVAIL 37  // requested data is not available
#define BASS_ERROR_UNKNOWN -1   // some other mystery error

// BASS_Init flags (accepted; the mix is always 16-bit stereo).
#define BASS_DEVICE_8BITS 1
#define BASS_DEVICE_MONO 2

// Channel flags (BASS_StreamCreateFile, BASS_ChannelGetFlags).
#define BASS_SAMPLE_8BITS 1  // the source holds 8-bit samples
#define BASS_SAMPLE_MONO 2   // the source is mono
#define BASS_SAMPLE_LOOP 4   // restart at the end

// BASS_MusicLoad flags.
#define BASS_MUSIC_RAMP 1          // normal volume ramping
#define BASS_MUSIC_RAMPS 2         // sensitive volume ramping
#define BASS_MUSIC_LOOP 4          // loop the music
#define BASS_MUSIC_MONO 64         // mono output
#define BASS_MUSIC_CALCLEN 8192    // compute the play length at load
#define BASS_MUSIC_NONINTER 16384  // no sample interpolation

// Fixed channel handles.
#define CDCHANNEL 0   // the CD channel; positions in milliseconds
#define RECORDCHAN 1  // the recording channel: a loopback of the final mix

// BASS_CDGetID identifiers.
#define BASS_CDID_IDENTITY 0
#define BASS_CDID_UPC 1
#define BASS_CDID_CDDB 2

// BASS_ChannelGetData: a length with one of these instead of a byte count
// returns spectrum magnitudes (BASS_DATA_FFT1024: 512 floats).
#define BASS_DATA_FFT512 0x80000000
#define BASS_DATA_FFT1024 0x80000001
#define BASS_DATA_FFT2048 0x80000002

// BASS_ChannelIsActive results.
#define BASS_ACTIVE_STOPPED 0
#define BASS_ACTIVE_PLAYING 1
#define BASS_ACTIVE_STALLED 2
#define BASS_ACTIVE_PAUSED 3

// BASS_StreamGetFilePosition modes.
#define BASS_FILEPOS_DECODE 0    // file byte position of the decoder (estimated)
#define BASS_FILEPOS_DOWNLOAD 1  // bytes available: the file size
#define BASS_FILEPOS_END 2       // size of the file

// Internet streams.
#define BASS_ERROR_NONET 32     // no internet connection could be opened
#define BASS_ERROR_TIMEOUT 40   // the server did not answer, or stopped sending, in time
#define BASS_ERROR_FILEFORM 41  // not a stream format the library plays (a web page, AAC, ...)

#define BASS_FILEPOS_CONNECTED 4  // internet stream: 1 while a connection delivers, else 0
#define BASS_FILEPOS_BUFFER 5     // internet stream: bytes waiting in its buffer

// BASS_StreamGetTags kinds.
#define BASS_TAG_HTTP 3  // the response headers: "name: value" texts, each ended by a zero byte, then a zero byte
#define BASS_TAG_ICY 4   // the "icy-" headers among them, the same way
#define BASS_TAG_META 5  // the last ICY metadata block: "StreamTitle='Artist - Title';..."

// BASS_CHANNELINFO types.
#define BASS_CTYPE_STREAM_OGG 0x10002
#define BASS_CTYPE_STREAM_MP3 0x10005

// BASS_SetConfig options.
#define BASS_CONFIG_NET_TIMEOUT 11          // ms to wait for a server's answer and for each piece of data; 10000
#define BASS_CONFIG_NET_RETRIES 0x10100     // new connections after a stream dropped, in a row; 3
#define BASS_CONFIG_NET_RETRYWAIT 0x10101   // ms to wait before each of them; 1000

typedef struct {
  DWORD freq;     // the source's sample rate in Hz (an internet stream: 0 until known)
  DWORD chans;    // the source's channel count (0 until known)
  DWORD flags;    // BASS_SAMPLE_* of the channel
  DWORD ctype;    // BASS_CTYPE_*, 0 when not known
  DWORD bitrate;  // kilobits per second of the source, 0 when not known
} BASS_CHANNELINFO;

// A music position with this high word holds seconds in its low word.
#define BASS_MUSIC_POS_SECONDS 0xFFFF

#ifndef MAKELONG
#define MAKELONG(a, b) ((DWORD)(((WORD)(a)) | ((DWORD)((WORD)(b))) << 16))
#endif
#ifndef LOWORD
#define LOWORD(a) ((WORD)(a))
#endif
#ifndef HIWORD
#define HIWORD(a) ((WORD)((a) >> 16))
#endif

// Called on the mixer thread with the channel's decoded 16-bit samples (at the
// source's rate and channel count) to change them in place.
typedef void DSPPROC(HDSP handle, DWORD channel, void* buffer, DWORD length, DWORD user);
// Receives an internet stream's downloaded data; not offered (pass null).
typedef void DOWNLOADPROC(const void* buffer, DWORD length, void* user);
// Called on the recording thread with 16-bit stereo frames of the final mix;
// returning FALSE stops recording.
typedef BOOL RECORDPROC(void* buffer, DWORD length, DWORD user);

extern "C" {

// Library
DWORD BASS_GetVersion();                                        // 0x00060001
DWORD BASS_ErrorGetCode();                                      // error of the last failed call on this thread
BOOL BASS_Init(int device, DWORD freq, DWORD flags, HWND win);  // device -1 default, 0 no sound
void BASS_Free();
BOOL BASS_Start();
BOOL BASS_Stop();                   // stops the output and every channel
BOOL BASS_Pause();                  // holds the output; BASS_Start continues
BOOL BASS_SetVolume(DWORD volume);  // master volume 0..100
int BASS_GetVolume();
float BASS_GetCPU();  // percent of wall time the mixer thread works

// Streams (MP3, MP2, MP1, OGG, WAV); only files (mem = FALSE)
HSTREAM BASS_StreamCreateFile(BOOL mem, const void* file, DWORD offset, DWORD length, DWORD flags);
void BASS_StreamFree(HSTREAM handle);
QWORD BASS_StreamGetLength(HSTREAM handle);  // bytes of the decoded 16-bit format
DWORD BASS_StreamGetFilePosition(HSTREAM handle, DWORD mode);
BOOL BASS_StreamPlay(HSTREAM handle, BOOL flush, DWORD flags);

// Internet streams: MP3 and Ogg Vorbis over http and https, following up to
// 5 redirects, asking for ICY metadata. offset must be 0 and proc null.
// Fails only for an address that is not http or https (BASS_ERROR_ILLPARAM);
// a server that cannot be reached or sends no stream shows later, as a stream
// that ends, with its reason from BASS_StreamGetNetError.
HSTREAM BASS_StreamCreateURL(const char* url, DWORD offset, DWORD flags, DOWNLOADPROC* proc, void* user);
// The tags of an internet stream (BASS_TAG_*); the text stays valid until the
// next call on the same thread. Null when there are none (yet).
const char* BASS_StreamGetTags(HSTREAM handle, DWORD tags);
// Why an internet stream ended early: a BASS_ERROR_* code, BASS_OK while it runs.
DWORD BASS_StreamGetNetError(HSTREAM handle);
BOOL BASS_SetConfig(DWORD option, DWORD value);  // BASS_CONFIG_*; for streams created later
DWORD BASS_GetConfig(DWORD option);

// Musics (MOD, XM, S3M, IT, MTM, UMX); only files (mem = FALSE)
HMUSIC BASS_MusicLoad(BOOL mem, const void* file, DWORD offset, DWORD length, DWORD flags);
void BASS_MusicFree(HMUSIC handle);
DWORD BASS_MusicGetLength(HMUSIC handle, BOOL playlen);  // bytes at the mix rate, 16-bit
BOOL BASS_MusicPlay(HMUSIC handle);

// CD
BOOL BASS_CDInit(const char* drive, DWORD flags);
void BASS_CDFree();
const char* BASS_CDGetDrive();  // Linux: the open drive or image, "" when none
BOOL BASS_CDInDrive();
const char* BASS_CDGetID(DWORD id);
DWORD BASS_CDGetTracks();
DWORD BASS_CDGetTrackLength(DWORD track);  // milliseconds
BOOL BASS_CDPlay(DWORD track, BOOL loop, BOOL wait);

// Recording (a loopback of the final mix)
BOOL BASS_RecordInit(int device);
void BASS_RecordFree();
BOOL BASS_RecordStart(DWORD freq, DWORD flags, RECORDPROC* proc, DWORD user);

// Channels
float BASS_ChannelBytes2Seconds(DWORD handle, QWORD pos);
QWORD BASS_ChannelSeconds2Bytes(DWORD handle, float pos);
DWORD BASS_ChannelGetFlags(DWORD handle);
BOOL BASS_ChannelGetInfo(DWORD handle, BASS_CHANNELINFO* info);  // streams and musics
DWORD BASS_ChannelIsActive(DWORD handle);
BOOL BASS_ChannelStop(DWORD handle);
BOOL BASS_ChannelPause(DWORD handle);
BOOL BASS_ChannelResume(DWORD handle);
// freq 100..100000 (0 = the source's own), volume 0..100, pan -100..100;
// -1 keeps freq or volume, -101 keeps pan.
BOOL BASS_ChannelSetAttributes(DWORD handle, int freq, int volume, int pan);
BOOL BASS_ChannelGetAttributes(DWORD handle, DWORD* freq, DWORD* volume, int* pan);
BOOL BASS_ChannelSetPosition(DWORD handle, QWORD pos);
QWORD BASS_ChannelGetPosition(DWORD handle);
DWORD BASS_ChannelGetLevel(DWORD handle);  // LOWORD left, HIWORD right, 0..128
DWORD BASS_ChannelGetData(DWORD handle, void* buffer, DWORD length);
HDSP BASS_ChannelSetDSP(DWORD handle, DSPPROC* proc, DWORD user);
BOOL BASS_ChannelRemoveDSP(DWORD handle, HDSP dsp);

// Additions to the 1.6 set, for streams and musics only (BASS_ERROR_HANDLE
// otherwise); callable from any thread.
// Gapless joining: when `handle` plays to its end, `next` (a stream or music
// that is not playing) starts in the same mixing block with the frame after
// handle's last, so nothing is dropped, doubled or added between them; when
// both have the same rate and channel count, next also plays the samples
// handle's resampler still held. Afterwards handle is stopped and next playing.
// next 0 removes the link; a channel stopped by a call never starts its next.
BOOL BASS_ChannelSetNext(DWORD handle, DWORD next);
// ReplayGain: a factor 0..16 on the decoded samples before the DSP
// procedures; 1 leaves them as they are. Out-of-range or NaN: BASS_ERROR_ILLPARAM.
BOOL BASS_ChannelSetGain(DWORD handle, float factor);

}  // extern "C"
