# Run by cpack after it has made the packages (CPACK_POST_BUILD_SCRIPTS): a
# package whose maintainer scripts are only the ldconfig calls CPack adds for a
# shared object under /usr/lib is built again without them. Its modules lie in
# /usr/lib/korvanel, which the dynamic loader never searches. SOURCE_DATE_EPOCH
# from the environment keeps the new package's bytes the same on every run.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  set(tree ${deb}.tree)
  file(REMOVE_RECURSE ${tree})
  execute_process(COMMAND dpkg-deb -R ${deb} ${tree} COMMAND_ERROR_IS_FATAL ANY)
  set(only_ldconfig TRUE)
  set(found FALSE)
  foreach(script postinst postrm)
    if(EXISTS ${tree}/DEBIAN/${script})
      set(found TRUE)
      file(STRINGS ${tree}/DEBIAN/${script} lines)
      foreach(line IN LISTS lines)
        string(STRIP "${line}" line)
        if(NOT line MATCHES "^(#!/bin/sh|set -e|if \\[ \"\\$1\" = \"(configure|remove)\" \\]; then|ldconfig|fi|)$")
          set(only_ldconfig FALSE)
        endif()
      endforeach()
    endif()
  endforeach()
  if(found AND only_ldconfig)
    file(REMOVE ${tree}/DEBIAN/postinst ${tree}/DEBIAN/postrm)
    execute_process(COMMAND dpkg-deb --root-owner-group -Zxz --build ${tree} ${deb}
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  endif()
  file(REMOVE_RECURSE ${tree})
endforeach()
