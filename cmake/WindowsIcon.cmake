# The Windows icon of Velmora, made at build time from the project's PNG
# images by make_windows_icon.py (16 and 32 pixels, each in 16 and in 256
# colours).
#
#   velmora_windows_icon(<output .ico> [RESOURCE_OF <target>...])
#
# adds the custom command that writes <output .ico>. With RESOURCE_OF, the
# icon is also compiled into each <target> as its icon resource: the first
# icon group of the program, which Explorer, the taskbar and the installed
# programs list show. The targets see its identifier as
# VELMORA_ICON_RESOURCE_ID, for LoadIcon.
include_guard(GLOBAL)

find_package(Python3 REQUIRED COMPONENTS Interpreter)
# Kept for every directory that makes an icon: the include runs only once.
set(VELMORA_PYTHON ${Python3_EXECUTABLE} CACHE INTERNAL "Python 3 interpreter of the icon tool")

set(VELMORA_ICON_TOOL ${CMAKE_CURRENT_LIST_DIR}/make_windows_icon.py CACHE INTERNAL "")
set(VELMORA_ICON_IMAGES
  ${PROJECT_SOURCE_DIR}/resources/icons/velmora-16.png
  ${PROJECT_SOURCE_DIR}/resources/icons/velmora-32.png CACHE INTERNAL "")
# Icon groups are listed by number, and the lowest is the program's icon.
set(VELMORA_ICON_RESOURCE_ID 1 CACHE INTERNAL "")

function(velmora_windows_icon ico)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "RESOURCE_OF")
  cmake_path(ABSOLUTE_PATH ico BASE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  cmake_path(GET ico FILENAME ico_name)
  add_custom_command(
    OUTPUT ${ico}
    COMMAND ${VELMORA_PYTHON} ${VELMORA_ICON_TOOL} ${ico} ${VELMORA_ICON_IMAGES}
    DEPENDS ${VELMORA_ICON_TOOL} ${VELMORA_ICON_IMAGES}
    COMMENT "Making the Windows icon ${ico_name}"
    VERBATIM)
  if(NOT arg_RESOURCE_OF)
    return()
  endif()

  # A resource script of the icon alone, compiled by windres into an object
  # that links like any other; resource sections of several objects merge.
  set(script ${ico}.rc)
  set(object ${ico}.res.o)
  file(CONFIGURE OUTPUT ${script}
       CONTENT "@VELMORA_ICON_RESOURCE_ID@ ICON \"@ico@\"\n" @ONLY)
  add_custom_command(
    OUTPUT ${object}
    COMMAND ${CMAKE_RC_COMPILER} --input-format=rc --output-format=coff -i ${script} -o ${object}
    DEPENDS ${script} ${ico}
    COMMENT "Compiling the icon resource ${ico_name}.res.o"
    VERBATIM)
  foreach(target IN LISTS arg_RESOURCE_OF)
    target_sources(${target} PRIVATE ${object})
    target_compile_definitions(${target} PRIVATE VELMORA_ICON_RESOURCE_ID=${VELMORA_ICON_RESOURCE_ID})
  endforeach()
endfunction()
