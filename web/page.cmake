# The page's part of the web folder, made after the modules and their glue are in place; its
# stamp joins web_outputs, the files the `web` target makes.
include(${PROJECT_SOURCE_DIR}/cmake/ProgramCredits.cmake)
# Debian's own interpreter, which has the minifiers of python3-rjsmin and python3-rcssmin (a
# Python of another installation may come first on the PATH).
find_program(DEBIAN_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
find_program(PYFTSUBSET pyftsubset REQUIRED)
find_program(RSVG_CONVERT rsvg-convert REQUIRED)

file(GLOB page_sources CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/*.html
  ${CMAKE_CURRENT_SOURCE_DIR}/style/*.css
  ${CMAKE_CURRENT_SOURCE_DIR}/*.js
  ${CMAKE_CURRENT_SOURCE_DIR}/*.webmanifest
  ${CMAKE_CURRENT_SOURCE_DIR}/*.in
  ${CMAKE_CURRENT_SOURCE_DIR}/*.py
  ${PROJECT_SOURCE_DIR}/translations/*.ts)
set(page_stamp ${CMAKE_CURRENT_BINARY_DIR}/page-assembled.stamp)
add_custom_command(
  OUTPUT ${page_stamp}
  COMMAND ${CMAKE_COMMAND}
          -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
          -DOUTPUT_DIR=${COLDESIGN_WEB_DIR}
          -DDEVELOPER_NAME=${COLDESIGN_DEVELOPER_NAME}
          -DSUPPORT_PHONE=${COLDESIGN_SUPPORT_PHONE}
          -DPROGRAM_VERSION=${PROJECT_VERSION}
          -DPYTHON=${DEBIAN_PYTHON}
          -DPYFTSUBSET=${PYFTSUBSET}
          -DRSVG_CONVERT=${RSVG_CONVERT}
          -P ${CMAKE_CURRENT_SOURCE_DIR}/assemble_page.cmake
  COMMAND ${CMAKE_COMMAND} -E touch ${page_stamp}
  DEPENDS
    ${page_sources}
    ${CMAKE_CURRENT_SOURCE_DIR}/assemble_page.cmake
    ${PROJECT_SOURCE_DIR}/resources/icons/column-designer.svg
    ${PROJECT_SOURCE_DIR}/resources/notes/notes-picture.svg
    ${PROJECT_SOURCE_DIR}/calculation/design_report.cpp
    ${PROJECT_SOURCE_DIR}/calculation/bending_report.cpp
    ${PROJECT_SOURCE_DIR}/calculation/schedule_rows.cpp
    ${COLDESIGN_CONTRACT_SOURCES}
    ${COLDESIGN_WEB_DIR}/calculation.js
    ${COLDESIGN_WEB_DIR}/calculation.wasm
    ${COLDESIGN_WEB_DIR}/schedule.js
    ${COLDESIGN_WEB_DIR}/schedule.wasm
  COMMENT "Assembling the page in ${COLDESIGN_WEB_DIR}"
  VERBATIM)
list(APPEND web_outputs ${page_stamp})
