# Writes the AppStream metainfo (run as a script at build time, so that a
# changed "What's New.txt" is picked up):
#   cmake -DTEMPLATE=... -DWHATS_NEW=... -DOUTPUT=... -DPROJECT_VERSION=...
#         -DSOLVANE_RELEASE_DATE=... -DMIME_TYPES=a;b -DWEB_PAGE=... -DCONTACT_MAIL=... -P MetaInfo.cmake
# The release notes are "What's New.txt" after its title: each heading
# becomes a paragraph, each "- " item with its indented lines a list item.

cmake_minimum_required(VERSION 3.25)

# Escaped for XML before it is split into lines, with every semicolon (which
# CMake's lists would take apart) held as @SC@ until the end.
file(READ "${WHATS_NEW}" text)
string(REPLACE ";" "@SC@" text "${text}")
string(REPLACE "&" "&amp@SC@" text "${text}")
string(REPLACE "<" "&lt@SC@" text "${text}")
string(REPLACE ">" "&gt@SC@" text "${text}")
string(REPLACE "\n" ";" lines "${text}")
list(POP_FRONT lines)  # the title line
set(notes "")
set(item "")
set(in_list FALSE)
macro(end_item)
  if(item)
    string(APPEND notes "          <li>${item}</li>\n")
    set(item "")
  endif()
endmacro()
macro(end_list)
  end_item()
  if(in_list)
    string(APPEND notes "        </ul>\n")
    set(in_list FALSE)
  endif()
endmacro()
foreach(line IN LISTS lines)
  if(line MATCHES "^=+$" OR line MATCHES "^ *$")
    continue()
  elseif(line MATCHES "^- (.*)")
    end_item()
    if(NOT in_list)
      string(APPEND notes "        <ul>\n")
      set(in_list TRUE)
    endif()
    set(item "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^ +(.*)" AND item)
    string(APPEND item " ${CMAKE_MATCH_1}")
  else()
    end_list()
    string(STRIP "${line}" line)
    string(APPEND notes "        <p>${line}</p>\n")
  endif()
endforeach()
end_list()
string(REPLACE "@SC@" ";" release_notes "${notes}")

set(mediatypes "")
foreach(type IN LISTS MIME_TYPES)
  string(APPEND mediatypes "    <mediatype>${type}</mediatype>\n")
endforeach()

set(links "")
if(WEB_PAGE)
  string(APPEND links "  <url type=\"homepage\">${WEB_PAGE}</url>\n")
endif()
if(CONTACT_MAIL)
  string(APPEND links "  <update_contact>${CONTACT_MAIL}</update_contact>\n")
endif()

configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
