# cmake -DSOURCE=docs/manuel -DOUT=build/bin/manuel -P BuildManual.cmake
# Wraps each page of the manual (pages/NAME.htm, listed in pages.txt) in the common frame:
# head, style sheet, table of contents with the current page marked, previous/next links.

file(STRINGS ${SOURCE}/pages.txt lines ENCODING UTF-8 REGEX "^[^#].*\\|")
set(names)
set(titles)
foreach(line IN LISTS lines)
  string(FIND "${line}" "|" bar)
  string(SUBSTRING "${line}" 0 ${bar} name)
  math(EXPR start "${bar} + 1")
  string(SUBSTRING "${line}" ${start} -1 title)
  list(APPEND names "${name}")
  list(APPEND titles "${title}")
endforeach()
list(LENGTH names count)
math(EXPR last "${count} - 1")

file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
file(COPY ${SOURCE}/style.css ${SOURCE}/images DESTINATION ${OUT})

foreach(index RANGE ${last})
  list(GET names ${index} name)
  list(GET titles ${index} title)
  set(toc "")
  foreach(other RANGE ${last})
    list(GET names ${other} other_name)
    list(GET titles ${other} other_title)
    set(mark "")
    if(other EQUAL index)
      set(mark " class=\"ici\"")
    endif()
    string(APPEND toc "      <li${mark}><a href=\"${other_name}.htm\">${other_title}</a></li>\n")
  endforeach()
  set(links "")
  if(index GREATER 0)
    math(EXPR previous "${index} - 1")
    list(GET names ${previous} previous_name)
    list(GET titles ${previous} previous_title)
    string(APPEND links "<a href=\"${previous_name}.htm\">&larr; ${previous_title}</a>")
  endif()
  if(index LESS last)
    math(EXPR next "${index} + 1")
    list(GET names ${next} next_name)
    list(GET titles ${next} next_title)
    if(links)
      string(APPEND links " &nbsp;|&nbsp; ")
    endif()
    string(APPEND links "<a href=\"${next_name}.htm\">${next_title} &rarr;</a>")
  endif()
  file(READ ${SOURCE}/pages/${name}.htm body)
  file(WRITE ${OUT}/${name}.htm "<!DOCTYPE html>
<html lang=\"fr\">
<head>
  <meta charset=\"utf-8\">
  <meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">
  <title>${title} - Manuel de ZEP</title>
  <link rel=\"stylesheet\" href=\"style.css\">
</head>
<body>
  <nav>
    <p class=\"titre\"><a href=\"index.htm\">Manuel de ZEP</a></p>
    <ol>
${toc}    </ol>
  </nav>
  <main>
${body}    <p class=\"suite\">${links}</p>
  </main>
</body>
</html>
")
endforeach()
