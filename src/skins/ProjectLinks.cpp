#include "ProjectLinks.h"

ProjectLinks ProjectLinks::Configured() {
  return {QStringLiteral(SOLVANE_WEB_PAGE), QStringLiteral(SOLVANE_CONTACT_MAIL), QStringLiteral(SOLVANE_SKINS_MAIL)};
}
