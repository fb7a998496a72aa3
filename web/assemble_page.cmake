# Assembles the page into OUTPUT_DIR beside the modules and their glue (calculation.js,
# calculation.wasm, schedule.js, schedule.wasm, bending.js and bending.wasm, already there): the
# page's files with the credits filled in, its texts from the program's catalogue, the names of the modules'
# enumerations (module_contract.js), the font subsets, the icons, and last the service worker,
# whose build hash changes with any file.
#
# cmake -DSOURCE_DIR=<repo> -DOUTPUT_DIR=<dir> -DDEVELOPER_NAME=<text> -DSUPPORT_PHONE=<text>
#       -DPROGRAM_VERSION=<version> -DPYTHON=<program> -DPYFTSUBSET=<program>
#       -DRSVG_CONVERT=<program> -P assemble_page.cmake
cmake_minimum_required(VERSION 3.25)

foreach(variable SOURCE_DIR OUTPUT_DIR DEVELOPER_NAME SUPPORT_PHONE PROGRAM_VERSION PYTHON
                 PYFTSUBSET RSVG_CONVERT)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "assemble_page.cmake needs -D${variable}=...")
  endif()
endforeach()

set(page_dir ${SOURCE_DIR}/web)
set(module_files calculation.js calculation.wasm schedule.js schedule.wasm bending.js
                 bending.wasm)
foreach(file IN LISTS module_files)
  if(NOT EXISTS ${OUTPUT_DIR}/${file})
    message(FATAL_ERROR "${OUTPUT_DIR}/${file} is missing: the module is assembled first")
  endif()
endforeach()

function(escape_html text result)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  string(REPLACE "\"" "&quot;" text "${text}")
  set(${result} "${text}" PARENT_SCOPE)
endfunction()

# The style sheet's parts, one a view, joined in this order (later rules win over earlier ones)
# into the one style.css the page loads.
set(style_parts base design notes materials sheet schedule print)
set(joined_style ${OUTPUT_DIR}/.style.css)
file(WRITE ${joined_style} "")
foreach(part IN LISTS style_parts)
  file(READ ${page_dir}/style/${part}.css text)
  file(APPEND ${joined_style} "${text}")
endforeach()

# The page's own scripts and style sheet without their comments and blanks (a quarter of a first
# visit's bytes), by Debian's rjsmin and rcssmin, read and written as UTF-8 whatever the locale;
# index.html gets the credits.
file(GLOB page_scripts RELATIVE ${page_dir} ${page_dir}/*.js)
list(REMOVE_ITEM page_scripts calculation.js schedule.js bending.js)
foreach(file style.css ${page_scripts})
  if(file MATCHES "\\.css$")
    set(minifier rcssmin)
    set(source ${joined_style})
  else()
    set(minifier rjsmin)
    set(source ${page_dir}/${file})
  endif()
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env PYTHONUTF8=1 ${PYTHON} -m ${minifier}
    INPUT_FILE ${source}
    OUTPUT_FILE ${OUTPUT_DIR}/${file}
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
file(REMOVE ${joined_style})
configure_file(${page_dir}/manifest.webmanifest ${OUTPUT_DIR}/manifest.webmanifest COPYONLY)
escape_html("${DEVELOPER_NAME}" COLDESIGN_DEVELOPER_NAME)
escape_html("${SUPPORT_PHONE}" COLDESIGN_SUPPORT_PHONE)
escape_html("${PROGRAM_VERSION}" COLDESIGN_VERSION)
configure_file(${page_dir}/index.html ${OUTPUT_DIR}/index.html @ONLY)
# module_contract.js, the names of the enumerations the modules answer with, from the C++.
execute_process(
  COMMAND ${PYTHON} ${page_dir}/module_contract.py ${SOURCE_DIR} ${OUTPUT_DIR}/module_contract.js
  COMMAND_ERROR_IS_FATAL ANY)
# texts.js, and the Arabic texts in index.html and the manifest; fails on a key the catalogue
# lacks.
execute_process(
  COMMAND ${PYTHON} ${page_dir}/page_texts.py ${SOURCE_DIR}/translations ${OUTPUT_DIR}
  COMMAND_ERROR_IS_FATAL ANY)
configure_file(${SOURCE_DIR}/resources/notes/notes-picture.svg
               ${OUTPUT_DIR}/notes/notes-picture.svg COPYONLY)
configure_file(${SOURCE_DIR}/resources/icons/column-designer.svg
               ${OUTPUT_DIR}/icons/column-designer.svg COPYONLY)

foreach(size 192 512)
  execute_process(
    COMMAND ${RSVG_CONVERT} --width ${size} --height ${size}
            --output ${OUTPUT_DIR}/icons/column-designer-${size}.png
            ${SOURCE_DIR}/resources/icons/column-designer.svg
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()

# The maskable icon, which a launcher cuts to its own shape: the same drawing shrunk into the
# safe zone (the middle circle, 80 % of the size across), on the tile's colours to the edges.
file(READ ${SOURCE_DIR}/resources/icons/column-designer.svg icon)
string(REGEX MATCH "<rect [^>]*fill=\"url\\(#tile\\)\"/>" tile "${icon}")
if(NOT tile)
  message(FATAL_ERROR "column-designer.svg has no tile (a rect filled with url(#tile))")
endif()
set(bleed "<rect width=\"256\" height=\"256\" fill=\"url(#tile)\"/>")
set(shrink "<g transform=\"translate(128 128) scale(0.75) translate(-128 -128)\">")
string(REPLACE "${tile}" "${bleed}${shrink}" icon "${icon}")
string(REPLACE "</svg>" "</g></svg>" icon "${icon}")
set(maskable_source ${OUTPUT_DIR}/.maskable.svg)
file(WRITE ${maskable_source} "${icon}")
execute_process(
  COMMAND ${RSVG_CONVERT} --width 512 --height 512
          --output ${OUTPUT_DIR}/icons/column-designer-maskable-512.png ${maskable_source}
  COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE ${maskable_source})

# The fonts hold only the characters the page can show: its own texts, and the digits, signs
# and decimal marks a user may type.
set(subset_text_file ${OUTPUT_DIR}/.font-text.txt)
file(WRITE ${subset_text_file} "0123456789٠١٢٣٤٥٦٧٨٩۰۱۲۳۴۵۶۷۸۹.٫,،٬-+eE ×«»\n")
foreach(file index.html manifest.webmanifest texts.js ${page_scripts})
  file(READ ${OUTPUT_DIR}/${file} text)
  file(APPEND ${subset_text_file} "${text}")
endforeach()
file(MAKE_DIRECTORY ${OUTPUT_DIR}/fonts)
foreach(font NotoNaskhArabic-Regular NotoNaskhArabic-Bold NotoSans-Regular NotoSans-Bold)
  execute_process(
    COMMAND ${PYFTSUBSET} /usr/share/fonts/truetype/noto/${font}.ttf
            --text-file=${subset_text_file} --layout-features=* --no-hinting --desubroutinize
            --flavor=woff2 --output-file=${OUTPUT_DIR}/fonts/${font}.woff2
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
file(REMOVE ${subset_text_file})

# Every file served, for the service worker to keep ("./" is the page as the address bar asks),
# but the launcher's PNG icons: the browser fetches those itself when it installs the page, so a
# first visit need not download them. The build hash covers every file.
file(REMOVE ${OUTPUT_DIR}/service-worker.js)
file(GLOB_RECURSE served_files RELATIVE ${OUTPUT_DIR} ${OUTPUT_DIR}/*)
list(SORT served_files)
set(content_hashes "")
set(quoted_files "'./'")
foreach(file IN LISTS served_files)
  file(SHA256 ${OUTPUT_DIR}/${file} hash)
  string(APPEND content_hashes "${file} ${hash}\n")
  if(NOT file MATCHES "^icons/.*\\.png$")
    string(APPEND quoted_files ", '${file}'")
  endif()
endforeach()
string(SHA256 build_hash "${content_hashes}")
string(SUBSTRING ${build_hash} 0 16 build_hash)
set(BUILD_HASH ${build_hash})
# The page names its build, which it asks its later files for (schedule_designer.js); the hash
# covers index.html as it was before.
file(READ ${OUTPUT_DIR}/index.html page)
string(REPLACE "data-build=\"BUILD-HASH\"" "data-build=\"${build_hash}\"" page "${page}")
file(WRITE ${OUTPUT_DIR}/index.html "${page}")
set(PAGE_FILES "${quoted_files}")
configure_file(${page_dir}/service-worker.js.in ${OUTPUT_DIR}/service-worker.js @ONLY)
