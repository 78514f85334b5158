#include "PlayListHooks.h"

namespace PlayListHooks {

DeckDisplay& Deck() {
  static DeckDisplay hooks;
  return hooks;
}

CDInformation& CD() {
  static CDInformation hooks;
  return hooks;
}

}  // namespace PlayListHooks
