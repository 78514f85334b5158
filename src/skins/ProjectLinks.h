#pragma once
#include <QString>

// Where users reach the project: its web page and its mail addresses for
// comments and for skins. A packager sets them when configuring the build
// (SOLVANE_WEB_PAGE, SOLVANE_CONTACT_MAIL, SOLVANE_SKINS_MAIL); each is empty
// when not set, and the preferences dialog then leaves its link out.
struct ProjectLinks {
  QString webPage;
  QString commentsMail;
  QString skinsMail;

  // The links this build was configured with.
  static ProjectLinks Configured();
};
