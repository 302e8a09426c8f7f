# The build of the fuzz targets: clang only, no UI, and every library instrumented for
# libFuzzer's coverage with AddressSanitizer and UndefinedBehaviorSanitizer, so that a fault
# in a core stops the fuzzer where it happens. Included by the top-level CMakeLists before
# the cores are added.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR
        "HARI_FUZZ needs clang (libFuzzer is part of clang), but the C++ compiler is "
        "${CMAKE_CXX_COMPILER_ID} (${CMAKE_CXX_COMPILER}). Configure a fresh build folder with "
        "CC=clang CXX=clang++, or use scripts/fuzz.")
endif()

include(CheckCXXSourceCompiles)
set(CMAKE_REQUIRED_FLAGS "-fsanitize=fuzzer,address,undefined")
check_cxx_source_compiles([[
#include <cstddef>
#include <cstdint>
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }
]] HARI_HAVE_LIBFUZZER)
unset(CMAKE_REQUIRED_FLAGS)
if(NOT HARI_HAVE_LIBFUZZER)
    message(FATAL_ERROR
        "HARI_FUZZ: clang cannot link a libFuzzer target; the fuzzer runtime "
        "(libclang_rt.fuzzer, Debian package libclang-rt-dev) is missing.")
endif()

# The fuzz targets need no windows, and so no Qt.
set(HARI_BUILD_UI OFF)

set(HARI_FUZZ_SANITIZERS address,undefined)
add_compile_options(-fsanitize=fuzzer-no-link,${HARI_FUZZ_SANITIZERS}
                    -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_link_options(-fsanitize=${HARI_FUZZ_SANITIZERS})
