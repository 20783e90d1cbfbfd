# The game's tunes: each <name>.txt here is a readable score, written out as a FastTracker 2
# module (.xm) in the build tree by our module writer. Sets QUINDLE_TUNE_FILES.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

get_filename_component(_quindle_tune_tools ${CMAKE_CURRENT_LIST_DIR}/../../tools/tunes ABSOLUTE)
set(_quindle_tune_tool ${_quindle_tune_tools}/write_xm.py)
set(_quindle_tune_tool_sources ${_quindle_tune_tool} ${_quindle_tune_tools}/score.py)
set(_quindle_tune_out ${CMAKE_BINARY_DIR}/assets/music)

# The player reads at most this many bytes of a tune: small for the screens, larger for levels.
set(QUINDLE_TUNE_LIMITS
    mus_title:10000 mus_pause:10000 mus_gameover:10000 mus_credits:10000
    mus_stage1:75000 mus_stage2:75000 mus_stage3:75000 mus_stage4:75000 mus_stage5:75000)
set(QUINDLE_TUNE_FILES)
foreach(_entry IN LISTS QUINDLE_TUNE_LIMITS)
  string(REPLACE ":" ";" _parts ${_entry})
  list(GET _parts 0 _name)
  list(GET _parts 1 _limit)
  set(_xm ${_quindle_tune_out}/${_name}.xm)
  add_custom_command(
    OUTPUT ${_xm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_quindle_tune_out}
    COMMAND ${Python3_EXECUTABLE} -B ${_quindle_tune_tool}
            ${CMAKE_CURRENT_LIST_DIR}/${_name}.txt ${_xm} --max-bytes ${_limit}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${_name}.txt ${_quindle_tune_tool_sources}
    COMMENT "Writing tune ${_name}.xm"
    VERBATIM)
  list(APPEND QUINDLE_TUNE_FILES ${_xm})
  list(APPEND _quindle_tune_checks ${_xm}:${_limit})
endforeach()

# Plays every built tune through libopenmpt as the game does: size, length, clipping, silence
# and the join of its end to its start.
add_test(NAME tunes_play_within_limits
         COMMAND ${Python3_EXECUTABLE} -B ${_quindle_tune_tools}/check_tunes.py ${_quindle_tune_checks})
add_test(NAME tune_writer_reads_and_packs
         COMMAND ${Python3_EXECUTABLE} -B -m unittest test_tunes
         WORKING_DIRECTORY ${_quindle_tune_tools})
