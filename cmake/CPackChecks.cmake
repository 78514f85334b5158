# Read by cpack before it makes a package.
if(CPACK_GENERATOR STREQUAL "DEB" AND NOT CPACK_DEBIAN_PACKAGE_MAINTAINER)
  message(FATAL_ERROR "A Debian package needs a maintainer with a mail address: configure with "
                      "-DSOLVANE_CONTACT_MAIL=ADDRESS or -DCPACK_DEBIAN_PACKAGE_MAINTAINER=\"NAME <ADDRESS>\".")
endif()
