# Cross-compiling for WebAssembly with Debian's clang 16, wasi-libc and libc++ for wasm32-wasi.
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(CMAKE_CXX_COMPILER clang++-16)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)

# The compiler driver searches the C headers of the target, not libc++'s.
set(CMAKE_CXX_FLAGS_INIT "-isystem /usr/include/wasm32-wasi/c++/v1 -fno-exceptions -fno-rtti")
set(CMAKE_CXX_FLAGS_MINSIZEREL "-Os -DNDEBUG" CACHE STRING "Flags of the size-optimised build")
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
