#pragma once
// The skinned scroll button beside the playlist: where a button position
// scrolls the list to, and where the button stands for a scrolled list.
namespace PlayListScrolling {

// The entry the caret moves to for the scroll button `buttonOffset` pixels
// below the top of its track. The list is cut into pages of its own height;
// the button's track is cut into as many steps, the first step going to the
// first entry, the last to the last entry and the others to the last entry
// of the page after theirs. The button at the bottom of its travel always
// shows the last entry (the steps alone may end short of it), and with more
// pages than the track has pixels the travel is spread over all pages.
int ScrollPageCaret(int totalFiles, int itemHeight, int listHeight, int trackHeight,
                    int buttonHeight, int buttonOffset);

// The button's offset below the top of its track for a list scrolled so that
// `topIndex` is the first entry in view: the top of the track when the whole
// list is in view, the bottom when the last entry is.
int ButtonOffsetForTop(int topIndex, int totalFiles, int rowsInView, int trackHeight,
                       int buttonHeight);

}  // namespace PlayListScrolling
