# tintsmith_options: the compile and link options of every target of the
# project, as one INTERFACE target that each library, executable and test
# links (tintsmith_library, tintsmith_test and tintsmith_bench do it; a target
# made otherwise links it itself). Nothing is set globally, so options never
# leak into code that is not ours.
#
#   TINTSMITH_SANITIZE  AddressSanitizer and UndefinedBehaviorSanitizer
#   TINTSMITH_WERROR    every warning is an error (the test build)
option(TINTSMITH_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(TINTSMITH_WERROR "Treat warnings as errors" OFF)

add_library(tintsmith_options INTERFACE)

# Warnings on everywhere; no fast-math, and no contraction of a*b+c into fma:
# several curve results are truncations of sums that contraction would change.
target_compile_options(tintsmith_options INTERFACE
  -Wall -Wextra -Wshadow
  $<$<COMPILE_LANGUAGE:CXX>:-Wnon-virtual-dtor -Wold-style-cast>
  -ffp-contract=off -fno-fast-math)
# gcc 12 reports std::string concatenations as overlapping copies when it
# inlines them at -O2 (a known false positive of that release).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(tintsmith_options INTERFACE -Wno-restrict)
endif()
if(TINTSMITH_WERROR)
  target_compile_options(tintsmith_options INTERFACE -Werror)
endif()
if(TINTSMITH_SANITIZE)
  target_compile_options(tintsmith_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(tintsmith_options INTERFACE -fsanitize=address,undefined)
endif()
