# Compiler settings every Velmora target shares.
#
# Warnings are errors. Floating point must give the same bits on every
# machine: no fast-math, no fused multiply-add contraction, and SSE2
# arithmetic instead of the x87 unit on 32-bit x86, whose 80-bit registers
# would round intermediates differently.
function(velmora_target_defaults target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Werror
    -ffp-contract=off -fno-fast-math)
  if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i[3-6]86|x86)$" OR
     (CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64)$" AND CMAKE_SIZEOF_VOID_P EQUAL 4))
    target_compile_options(${target} PRIVATE -msse2 -mfpmath=sse)
  endif()
endfunction()
