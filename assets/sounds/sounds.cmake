# The game's sound effects: each <name>.sox here is a readable sox recipe, rendered to a
# 16-bit mono WAV in the build tree by render_sound.cmake. Sets QUINDLE_SOUND_FILES.
find_program(QUINDLE_SOX sox REQUIRED)

set(QUINDLE_SOUND_NAMES
    backdash blip bump checkpoint death jump land lightning oneup poke snore tap win)
set(_quindle_sound_out ${CMAKE_BINARY_DIR}/assets/sounds)
set(QUINDLE_SOUND_FILES)
foreach(_name IN LISTS QUINDLE_SOUND_NAMES)
  set(_wav ${_quindle_sound_out}/${_name}.wav)
  add_custom_command(
    OUTPUT ${_wav}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_quindle_sound_out}
    COMMAND ${CMAKE_COMMAND} -DSOX=${QUINDLE_SOX}
            -DRECIPE=${CMAKE_CURRENT_LIST_DIR}/${_name}.sox -DOUTPUT=${_wav}
            -P ${CMAKE_CURRENT_LIST_DIR}/render_sound.cmake
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${_name}.sox ${CMAKE_CURRENT_LIST_DIR}/render_sound.cmake
    COMMENT "Rendering sound ${_name}.wav"
    VERBATIM)
  list(APPEND QUINDLE_SOUND_FILES ${_wav})
endforeach()
