# The contract between the page's WebAssembly modules and its scripts (web/module_contract.py):
# what it is written from, and its C++ header (the names, and the answers' layout asserted), for
# the modules' build and for the tests that answer as the page does.
set(COLDESIGN_CONTRACT_SOURCES
    ${PROJECT_SOURCE_DIR}/web/module_contract.py
    ${PROJECT_SOURCE_DIR}/web/module_answers.h
    ${PROJECT_SOURCE_DIR}/calculation/bending_design.h
    ${PROJECT_SOURCE_DIR}/calculation/bending_input.h
    ${PROJECT_SOURCE_DIR}/calculation/design_materials.h
    ${PROJECT_SOURCE_DIR}/calculation/design_report.h
    ${PROJECT_SOURCE_DIR}/calculation/design_working.h
    ${PROJECT_SOURCE_DIR}/calculation/schedule_entry.h
    ${PROJECT_SOURCE_DIR}/calculation/schedule_rows.h)

# Writes the header as `output`; a target that lists `output` among its sources is built after.
function(coldesign_contract_header output)
  add_custom_command(
    OUTPUT ${output}
    COMMAND python3 ${PROJECT_SOURCE_DIR}/web/module_contract.py ${PROJECT_SOURCE_DIR} ${output}
    DEPENDS ${COLDESIGN_CONTRACT_SOURCES}
    VERBATIM)
endfunction()
