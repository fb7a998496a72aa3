# Fails the build when a WebAssembly module is past its budget, and removes it so that the next
# build tries again:   cmake -DMODULE=path.wasm -DBUDGET_BYTES=n -P module_budget.cmake
file(SIZE "${MODULE}" module_bytes)
if(module_bytes GREATER BUDGET_BYTES)
  file(REMOVE "${MODULE}")
  message(FATAL_ERROR "${MODULE} is ${module_bytes} bytes, past its budget of ${BUDGET_BYTES}")
endif()
