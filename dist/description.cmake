# What the game is, read from description.txt once for every place that says it:
#   VERMINADIA_SUMMARY          the summary line ("A small role-playing game ...")
#   VERMINADIA_DESCRIPTION      its paragraphs, wrapped as written, a blank line between them
#   VERMINADIA_DEB_SYNOPSIS     the summary without its article, as Debian wants a synopsis
#   VERMINADIA_MAN_SUMMARY      the summary as a phrase after the name ("verminadia - a small ...")
#   VERMINADIA_MAN_DESCRIPTION  the paragraphs in roff
#   VERMINADIA_XML_DESCRIPTION  the paragraphs as AppStream <p> elements
# and generated/dist/description.h, which gives --help the name, the summary and the last
# paragraph (how the game is played).
block(PROPAGATE VERMINADIA_SUMMARY VERMINADIA_DESCRIPTION VERMINADIA_DEB_SYNOPSIS VERMINADIA_MAN_SUMMARY
                VERMINADIA_MAN_DESCRIPTION VERMINADIA_XML_DESCRIPTION)
  set(source ${CMAKE_CURRENT_LIST_DIR}/description.txt)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  file(READ ${source} text)
  string(REGEX REPLACE "^(#[^\n]*\n)+" "" text "${text}")
  string(STRIP "${text}" text)
  # The paragraphs become a list, and the help a C string: nothing there may need escaping.
  if(text MATCHES "[;\\\\\"]")
    message(FATAL_ERROR "${source}: no semicolons, backslashes or straight double quotes, please")
  endif()
  string(REGEX REPLACE "\n\n+" ";" paragraphs "${text}")
  list(POP_FRONT paragraphs VERMINADIA_SUMMARY)
  if(VERMINADIA_SUMMARY MATCHES "\n" OR NOT paragraphs)
    message(FATAL_ERROR "${source}: a one-line summary, a blank line, then the description")
  endif()
  list(JOIN paragraphs "\n\n" VERMINADIA_DESCRIPTION)

  string(SUBSTRING "${VERMINADIA_SUMMARY}" 0 1 first)
  string(SUBSTRING "${VERMINADIA_SUMMARY}" 1 -1 rest)
  string(TOLOWER "${first}" first)
  set(VERMINADIA_MAN_SUMMARY "${first}${rest}")
  string(REGEX REPLACE "^(a|an|the) " "" VERMINADIA_DEB_SYNOPSIS "${VERMINADIA_MAN_SUMMARY}")

  # A roff line that starts with a dot or an apostrophe would be read as a request.
  string(REGEX REPLACE "(^|[\n;])([.'])" "\\1\\\\&\\2" text "${paragraphs}")
  string(REPLACE ";" "\n.PP\n" VERMINADIA_MAN_DESCRIPTION "${text}")

  set(VERMINADIA_XML_DESCRIPTION)
  foreach(paragraph IN LISTS paragraphs)
    string(REPLACE "&" "&amp;" paragraph "${paragraph}")
    string(REPLACE "<" "&lt;" paragraph "${paragraph}")
    string(REPLACE ">" "&gt;" paragraph "${paragraph}")
    string(REPLACE "\n" "\n      " paragraph "${paragraph}")
    string(APPEND VERMINADIA_XML_DESCRIPTION "    <p>\n      ${paragraph}\n    </p>\n")
  endforeach()
  string(STRIP "${VERMINADIA_XML_DESCRIPTION}" VERMINADIA_XML_DESCRIPTION)

  list(GET paragraphs -1 how)
  set(help "ヴェルミナーディア外伝 (Verminadia Gaiden)\n${VERMINADIA_SUMMARY}.\n\n${how}")
  string(REPLACE "\n" "\\n" help "${help}")
  set(VERMINADIA_HELP_ABOUT "\"${help}\"")
  configure_file(${CMAKE_CURRENT_LIST_DIR}/description.h.in ${CMAKE_BINARY_DIR}/generated/dist/description.h @ONLY)
endblock()
