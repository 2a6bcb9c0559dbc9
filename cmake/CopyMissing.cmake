# Run as a build step: copies every file of FROM into TO where TO lacks it, so data the
# program saved beside the executable survives every later build.
cmake_policy(VERSION 3.25)
file(GLOB_RECURSE files RELATIVE "${FROM}" "${FROM}/*")
foreach(file IN LISTS files)
  if(NOT EXISTS "${TO}/${file}")
    get_filename_component(folder "${TO}/${file}" DIRECTORY)
    file(COPY "${FROM}/${file}" DESTINATION "${folder}")
  endif()
endforeach()
