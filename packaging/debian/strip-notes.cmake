# Run by cpack on its staging folder before it packs (CPACK_PRE_BUILD_SCRIPTS):
# the compiler's .comment and .note sections go out of the programs and modules
# as Debian's own packaging strips them; cpack's strip keeps them.
file(GLOB_RECURSE elves "${CPACK_TEMPORARY_DIRECTORY}/*/usr/bin/*" "${CPACK_TEMPORARY_DIRECTORY}/*/usr/lib/korvanel/*.so")
foreach(elf IN LISTS elves)
  execute_process(COMMAND strip --remove-section=.comment --remove-section=.note ${elf} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
