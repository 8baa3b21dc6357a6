# Read by cpack when it runs: every time in the package is the time of the last
# commit, so a package built again from the same commit is the same file.
# A time given by the builder wins; outside a git checkout the clock is used.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  list(GET CPACK_BUILD_SOURCE_DIRS 0 source)
  execute_process(COMMAND git -C "${source}" log -1 --format=%ct
    OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE status ERROR_QUIET)
  if(status EQUAL 0 AND commit_time)
    set(ENV{SOURCE_DATE_EPOCH} "${commit_time}")
  endif()
endif()
