#pragma once
// What the deck shows of an internet stream beyond a file's display: the
// station's titles as they change, its name, and "Buffering" while the
// stream waits for data.
class TDeckForm;

// Called by the deck's display timer after the position was asked for.
void ShowInternetStream(TDeckForm& deck);
