#pragma once
// The audio library: the BASS 1.6 call set the player uses, implemented over
// libmpg123, libvorbisfile, libsndfile, libopenmpt, libcdio-paranoia, libsoxr,
// kissfft and SDL2. Names, argument lists, flag values and error codes are
// those of the 1.6 interface.
//
// The contract, for every call below:
//  - Threads. Every call may be made from any thread; the library's own
//    locks keep its state whole. The library runs threads of its own: the
//    mixer (it decodes, runs DSP procedures, mixes and feeds the output), the
//    recording thread (it calls the RECORDPROC) and one network thread per
//    internet stream. A DSPPROC runs on the mixer thread and a RECORDPROC on
//    the recording thread: neither may call BASS_Free, BASS_RecordFree or
//    BASS_CDFree, which wait for those threads.
//  - Failure. Each call's comment gives the result that means failure. The
//    reason is read with BASS_ErrorGetCode on the same thread, before its
//    next call: each thread has its own code, and every other call sets it,
//    to BASS_OK when it succeeds. Calls without a result report only through it.
//  - Texts handed out (BASS_CDGetDrive, BASS_CDGetID, BASS_StreamGetTags)
//    belong to the calling thread and stay valid until its next call of the
//    same function; another thread's calls, BASS_CDFree and BASS_Free leave
//    them alone.
//  - Units. A stream's positions and lengths are bytes of its decoded 16-bit
//    format: frames x 2 x its channel count, at its own rate (a music's at
//    the mix rate). The CD channel counts milliseconds; the recording channel
//    counts bytes of 16-bit stereo at the mix rate. Levels, sample data and
//    spectra are of a channel's sound after resampling, as it goes into the
//    mix: 16-bit stereo at the mix rate (BASS_Init's freq).
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
#define BASS_TAG_HTTP 3  // the status line, then the response headers "name: value", each ended by a zero byte, then a zero byte
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

// Called on the mixer thread with the channel's decoded 16-bit samples to
// change them in place: `length` bytes of whole frames, interleaved, at the
// channel's own rate and channel count (BASS_ChannelGetAttributes's freq until
// it is changed, and BASS_SAMPLE_MONO of BASS_ChannelGetFlags); `user` as
// given to BASS_ChannelSetDSP.
typedef void DSPPROC(HDSP handle, DWORD channel, void* buffer, DWORD length, DWORD user);
// Receives an internet stream's downloaded data; not offered (pass null).
typedef void DOWNLOADPROC(const void* buffer, DWORD length, void* user);
// Called on the recording thread with `length` bytes of 16-bit stereo frames
// of the final mix at the mix rate; returning FALSE stops recording.
typedef BOOL RECORDPROC(void* buffer, DWORD length, DWORD user);

extern "C" {

// Library
DWORD BASS_GetVersion();    // 0x00060001 (low word 1, high word 6); never fails
DWORD BASS_ErrorGetCode();  // BASS_ERROR_* of this thread's last call, BASS_OK after a success
// device -1 the default output, 0 silence, n the n-th SDL2 device; freq the mix
// rate, 8000..192000 Hz; flags and win are accepted and unused. Starts the
// mixer thread. FALSE on failure: BASS_ERROR_ALREADY, _FREQ, _DEVICE, _DRIVER
// (no such output or device), _CREATE (the WAV file cannot be written).
BOOL BASS_Init(int device, DWORD freq, DWORD flags, HWND win);
// Stops and frees every stream and music, ends the mixer thread and joins
// every internet stream's thread (each ends as soon as it is told), then
// returns; the CD and recording systems have their own free calls. Never fails.
void BASS_Free();
// Output control; FALSE with BASS_ERROR_INIT before BASS_Init.
BOOL BASS_Start();                  // the output runs (again)
BOOL BASS_Stop();                   // stops the output, drops queued sound, stops every channel
BOOL BASS_Pause();                  // holds the output where it is; BASS_Start continues
BOOL BASS_SetVolume(DWORD volume);  // master volume 0..100; above 100 fails with BASS_ERROR_ILLPARAM
int BASS_GetVolume();               // 0..100; -1 with BASS_ERROR_INIT
float BASS_GetCPU();  // 0..100: percent of wall time the mixer thread works; 0 before BASS_Init, never fails

// Streams (MP3, MP2, MP1, OGG, WAV, FLAC, Opus) by content and extension.
// Only whole files: mem FALSE, file a zero-ended path, offset and length 0;
// flags BASS_SAMPLE_LOOP. Opening scans the file (an MP3 to its end), so it
// may take a while; no lock is held meanwhile. 0 on failure:
// BASS_ERROR_ILLPARAM, _INIT, _FILEOPEN (missing or unreadable), _FORMAT.
HSTREAM BASS_StreamCreateFile(BOOL mem, const void* file, DWORD offset, DWORD length, DWORD flags);
// Stops the stream and forgets its handle; BASS_ERROR_HANDLE for an unknown one.
void BASS_StreamFree(HSTREAM handle);
// Bytes of the decoded 16-bit format (0 for an internet stream); ~0 (all
// bits set) with BASS_ERROR_HANDLE.
QWORD BASS_StreamGetLength(HSTREAM handle);
// BASS_FILEPOS_* in bytes of the file, at most 0xFFFFFFFE; 0xFFFFFFFF with
// BASS_ERROR_HANDLE or _ILLTYPE (an unknown mode).
DWORD BASS_StreamGetFilePosition(HSTREAM handle, DWORD mode);
// Plays from the position (the start after it ran to its end); flush is
// unused, flags BASS_SAMPLE_LOOP. FALSE with BASS_ERROR_HANDLE.
BOOL BASS_StreamPlay(HSTREAM handle, BOOL flush, DWORD flags);

// Internet streams: MP3 and Ogg Vorbis over http and https, following up to
// 5 redirects, asking for ICY metadata. 0 on failure: BASS_ERROR_ILLPARAM (an
// address that is not http or https, an offset or a proc), _INIT. A server
// that cannot be reached or sends no stream shows later, as a stream that
// ends, with its reason from BASS_StreamGetNetError.
HSTREAM BASS_StreamCreateURL(const char* url, DWORD offset, DWORD flags, DOWNLOADPROC* proc, void* user);
// The tags of an internet stream (BASS_TAG_*), the calling thread's until its
// next call of this function. Null with BASS_ERROR_HANDLE (not an internet
// stream), _ILLTYPE (an unknown kind) or _NOTAVAIL (none yet).
const char* BASS_StreamGetTags(HSTREAM handle, DWORD tags);
// Why an internet stream ended early: a BASS_ERROR_* code, BASS_OK while it
// runs; 0xFFFFFFFF with BASS_ERROR_HANDLE.
DWORD BASS_StreamGetNetError(HSTREAM handle);
// BASS_CONFIG_* for streams created later; values are capped (timeouts and
// waits at 600000 ms, retries at 100). FALSE with BASS_ERROR_ILLTYPE.
BOOL BASS_SetConfig(DWORD option, DWORD value);
DWORD BASS_GetConfig(DWORD option);  // 0xFFFFFFFF with BASS_ERROR_ILLTYPE

// Musics (MOD, XM, S3M, IT, MTM, UMX), rendered at the mix rate. Only whole
// files, as for streams; flags BASS_MUSIC_*. 0 on failure: BASS_ERROR_ILLPARAM,
// _INIT, _FILEOPEN, _FORMAT, _EMPTY (no sequence to play).
HMUSIC BASS_MusicLoad(BOOL mem, const void* file, DWORD offset, DWORD length, DWORD flags);
void BASS_MusicFree(HMUSIC handle);  // as BASS_StreamFree
// The play length in bytes of 16-bit sound at the mix rate, at most
// 0xFFFFFFFE; 0xFFFFFFFF with BASS_ERROR_HANDLE, or _NOTAVAIL when playlen is FALSE.
DWORD BASS_MusicGetLength(HMUSIC handle, BOOL playlen);
BOOL BASS_MusicPlay(HMUSIC handle);  // as BASS_StreamPlay

// CD. Table-of-contents calls wait for the drive, which can take a while.
// A machine without any drive initialises with none open. FALSE on failure:
// BASS_ERROR_ALREADY, _INITCD (the drive or image cannot be opened).
BOOL BASS_CDInit(const char* drive, DWORD flags);
void BASS_CDFree();  // stops the CD channel and closes the drive; never fails
// The open drive or image (Linux), "" when none: the calling thread's until
// its next call of this function. Never fails.
const char* BASS_CDGetDrive();
BOOL BASS_CDInDrive();  // FALSE when no disc; FALSE with BASS_ERROR_CDINIT
// BASS_CDID_* text, the calling thread's until its next call of this
// function. Null with BASS_ERROR_CDINIT, _NOCD, _ILLPARAM or _NOTAVAIL.
const char* BASS_CDGetID(DWORD id);
DWORD BASS_CDGetTracks();  // 0xFFFFFFFF with BASS_ERROR_CDINIT or _NOCD
// Milliseconds, tracks counted from 1; 0xFFFFFFFF with BASS_ERROR_CDINIT,
// _NOCD or _CDTRACK.
DWORD BASS_CDGetTrackLength(DWORD track);
// Plays the track through the mix as the CD channel; wait is unused. FALSE
// with BASS_ERROR_CDINIT, _NOCD, _INIT, _CDTRACK or _NOTAUDIO.
BOOL BASS_CDPlay(DWORD track, BOOL loop, BOOL wait);

// Recording (a loopback of the final mix: no capture device is needed).
BOOL BASS_RecordInit(int device);  // device -1 or above; FALSE with BASS_ERROR_DEVICE or _ALREADY
void BASS_RecordFree();            // ends the recording thread; never fails
// Starts the recording thread, calling proc (may be null) with the mix; freq
// and flags are unused: the mix's own format is recorded. FALSE with
// BASS_ERROR_INIT before BASS_RecordInit.
BOOL BASS_RecordStart(DWORD freq, DWORD flags, RECORDPROC* proc, DWORD user);

// Channels: a stream or music by handle, the CD channel (CDCHANNEL) and the
// recording channel (RECORDCHAN). A handle that names nothing fails with
// BASS_ERROR_HANDLE; the CD channel with BASS_ERROR_CDINIT before
// BASS_CDInit, or _NOPLAY while no track was played.
float BASS_ChannelBytes2Seconds(DWORD handle, QWORD pos);  // seconds; -1 on failure
QWORD BASS_ChannelSeconds2Bytes(DWORD handle, float pos);  // ~0 on failure; a negative pos is BASS_ERROR_ILLPARAM
DWORD BASS_ChannelGetFlags(DWORD handle);  // BASS_SAMPLE_* of the source; 0xFFFFFFFF on failure
// Streams and musics: the source's format (an internet stream: the station's,
// once known). FALSE on failure, _ILLPARAM for a null info.
BOOL BASS_ChannelGetInfo(DWORD handle, BASS_CHANNELINFO* info);
DWORD BASS_ChannelIsActive(DWORD handle);  // BASS_ACTIVE_*; BASS_ACTIVE_STOPPED on failure
BOOL BASS_ChannelStop(DWORD handle);       // FALSE on failure
BOOL BASS_ChannelPause(DWORD handle);      // FALSE on failure, _NOPLAY when not playing
BOOL BASS_ChannelResume(DWORD handle);     // FALSE on failure, _NOPAUSE when not paused
// freq 100..100000 Hz (0 = the source's own), volume 0..100, pan -100 (left)
// ..100 (right); -1 keeps freq or volume, -101 keeps pan; values beyond the
// ranges are brought into them. The CD channel keeps volume and pan for the
// tracks played later. FALSE on failure, _ILLTYPE for the recording channel.
BOOL BASS_ChannelSetAttributes(DWORD handle, int freq, int volume, int pan);
BOOL BASS_ChannelGetAttributes(DWORD handle, DWORD* freq, DWORD* volume, int* pan);  // null pointers are skipped
// A music position whose high word is BASS_MUSIC_POS_SECONDS holds seconds.
// FALSE on failure, _POSITION beyond the end or in a source that cannot seek
// (an internet stream), _ILLTYPE for the recording channel.
BOOL BASS_ChannelSetPosition(DWORD handle, QWORD pos);
QWORD BASS_ChannelGetPosition(DWORD handle);  // ~0 on failure
// Peak of each side over the last 1024 frames, 0..128: LOWORD left, HIWORD
// right. 0xFFFFFFFF on failure, _NOPLAY for a stopped channel.
DWORD BASS_ChannelGetLevel(DWORD handle);
// length BASS_DATA_FFT512/1024/2048: 256/512/1024 float magnitudes (a full-
// scale sine near 1.0), bin i at i x mix rate / FFT size Hz; any other
// length: that many bytes of the newest 16-bit stereo frames, at most 8192.
// Returns the bytes written; 0xFFFFFFFF on failure, _NOPLAY for a stopped
// channel, _ILLPARAM for a null buffer or an unknown FFT size.
DWORD BASS_ChannelGetData(DWORD handle, void* buffer, DWORD length);
// Adds a DSP procedure to a stream, music or the CD channel; it runs on the
// mixer thread for every decoded piece, after those added before it. 0 on
// failure, _ILLPARAM for a null proc, _ILLTYPE for the recording channel.
HDSP BASS_ChannelSetDSP(DWORD handle, DSPPROC* proc, DWORD user);
// Once it returns, the procedure is no longer called (a call in progress has
// ended). FALSE on failure, _HANDLE for an unknown DSP.
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
