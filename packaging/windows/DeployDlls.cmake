# Run by `cmake --install` (packaging/windows/CMakeLists.txt sets program, plugins, dll_dirs,
# dll_links and strip): installs exactly the DLLs that the program and the plugins load, and the
# ones those load, from dll_dirs, then strips every program and DLL of the install.

# CMake looks the imported DLL names up in lowercase, which a Linux file system tells apart from
# Qt6Core.dll, so the folders are searched through links with lowercase names too.
file(REMOVE_RECURSE ${dll_links})
file(MAKE_DIRECTORY ${dll_links})
foreach(dir IN LISTS dll_dirs)
  file(GLOB found ${dir}/*.dll)
  foreach(dll IN LISTS found)
    cmake_path(GET dll FILENAME name)
    string(TOLOWER ${name} name)
    if(NOT EXISTS ${dll_links}/${name})
      file(CREATE_LINK ${dll} ${dll_links}/${name} SYMBOLIC)
    endif()
  endforeach()
endforeach()

file(GET_RUNTIME_DEPENDENCIES
  EXECUTABLES ${program}
  MODULES ${plugins}
  DIRECTORIES ${dll_links} ${dll_dirs}
  PRE_EXCLUDE_REGEXES [[^api-ms-]] [[^ext-ms-]]
  RESOLVED_DEPENDENCIES_VAR dlls
  UNRESOLVED_DEPENDENCIES_VAR windows_dlls)
# What none of the folders holds is part of Windows; a Qt or MinGW DLL among it would be missing
# on a classroom PC.
list(FILTER windows_dlls INCLUDE REGEX [[^(qt6|lib)]])
if(windows_dlls)
  message(FATAL_ERROR "Not found in ${dll_dirs}: ${windows_dlls}")
endif()
foreach(dll IN LISTS dlls)
  # Under the name it has in its own folder.
  cmake_path(GET dll PARENT_PATH dir)
  if(dir STREQUAL dll_links)
    file(READ_SYMLINK ${dll} dll)
  endif()
  file(INSTALL ${dll} DESTINATION ${CMAKE_INSTALL_PREFIX})
endforeach()

file(GLOB_RECURSE binaries ${CMAKE_INSTALL_PREFIX}/*.dll ${CMAKE_INSTALL_PREFIX}/*.exe)
execute_process(COMMAND ${strip} --strip-unneeded ${binaries} COMMAND_ERROR_IS_FATAL ANY)
