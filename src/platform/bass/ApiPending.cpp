// Placeholder entry points so callers can link while the library is built:
// every call fails with BASS_ERROR_INIT.
#include "platform/bass/bass.h"

extern "C" {
DWORD BASS_GetVersion() { return 0x00060001; }
DWORD BASS_ErrorGetCode() { return BASS_ERROR_INIT; }
BOOL BASS_Init(int, DWORD, DWORD, HWND) { return 0; }
void BASS_Free() {  }
BOOL BASS_Start() { return 0; }
BOOL BASS_Stop() { return 0; }
BOOL BASS_Pause() { return 0; }
BOOL BASS_SetVolume(DWORD) { return 0; }
int BASS_GetVolume() { return -1; }
float BASS_GetCPU() { return 0; }
HSTREAM BASS_StreamCreateFile(BOOL, const void*, DWORD, DWORD, DWORD) { return 0; }
void BASS_StreamFree(HSTREAM) {  }
QWORD BASS_StreamGetLength(HSTREAM) { return (QWORD)-1; }
DWORD BASS_StreamGetFilePosition(HSTREAM, DWORD) { return 0; }
BOOL BASS_StreamPlay(HSTREAM, BOOL, DWORD) { return 0; }
HMUSIC BASS_MusicLoad(BOOL, const void*, DWORD, DWORD, DWORD) { return 0; }
void BASS_MusicFree(HMUSIC) {  }
DWORD BASS_MusicGetLength(HMUSIC, BOOL) { return 0; }
BOOL BASS_MusicPlay(HMUSIC) { return 0; }
BOOL BASS_CDInit(const char*, DWORD) { return 0; }
void BASS_CDFree() {  }
const char* BASS_CDGetDrive() { return ""; }
BOOL BASS_CDInDrive() { return 0; }
const char* BASS_CDGetID(DWORD) { return ""; }
DWORD BASS_CDGetTracks() { return 0; }
DWORD BASS_CDGetTrackLength(DWORD) { return 0; }
BOOL BASS_CDPlay(DWORD, BOOL, BOOL) { return 0; }
BOOL BASS_RecordInit(int) { return 0; }
void BASS_RecordFree() {  }
BOOL BASS_RecordStart(DWORD, DWORD, RECORDPROC*, DWORD) { return 0; }
float BASS_ChannelBytes2Seconds(DWORD, QWORD) { return 0; }
QWORD BASS_ChannelSeconds2Bytes(DWORD, float) { return (QWORD)-1; }
DWORD BASS_ChannelGetFlags(DWORD) { return 0; }
DWORD BASS_ChannelIsActive(DWORD) { return 0; }
BOOL BASS_ChannelStop(DWORD) { return 0; }
BOOL BASS_ChannelPause(DWORD) { return 0; }
BOOL BASS_ChannelResume(DWORD) { return 0; }
BOOL BASS_ChannelSetAttributes(DWORD, int, int, int) { return 0; }
BOOL BASS_ChannelGetAttributes(DWORD, DWORD*, DWORD*, int*) { return 0; }
BOOL BASS_ChannelSetPosition(DWORD, QWORD) { return 0; }
QWORD BASS_ChannelGetPosition(DWORD) { return (QWORD)-1; }
DWORD BASS_ChannelGetLevel(DWORD) { return (DWORD)-1; }
DWORD BASS_ChannelGetData(DWORD, void*, DWORD) { return (DWORD)-1; }
HDSP BASS_ChannelSetDSP(DWORD, DSPPROC*, DWORD) { return 0; }
BOOL BASS_ChannelRemoveDSP(DWORD, HDSP) { return 0; }
}
