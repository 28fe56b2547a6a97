# Run by the windows_packages target: lays the portable folder out with `cmake --install`, zips it
# and builds the installer from it. Takes build_dir, name (Tombolix-VERSION-win64), wixl and
# wixl_heat.
set(package_dir ${build_dir}/package)
set(stage ${package_dir}/${name})
file(REMOVE_RECURSE ${stage})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${build_dir} --prefix ${stage}
  COMMAND_ERROR_IS_FATAL ANY)

file(REMOVE ${build_dir}/${name}.zip)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${build_dir}/${name}.zip --format=zip ${name}
  WORKING_DIRECTORY ${package_dir} COMMAND_ERROR_IS_FATAL ANY)

# wixl wants every file spelled out. The program is left out of the list: Tombolix.wxs installs
# it with its shortcut. The files at the top come first, so wixl-heat lists them together.
file(GLOB top LIST_DIRECTORIES false RELATIVE ${package_dir} ${stage}/*)
file(GLOB_RECURSE files RELATIVE ${package_dir} ${stage}/*)
list(REMOVE_ITEM files ${top})
list(SORT top)
list(SORT files)
list(JOIN top "\n" top)
list(JOIN files "\n" files)
file(WRITE ${package_dir}/files.txt "${top}\n${files}\n")
execute_process(COMMAND ${wixl_heat} --prefix ${name}/ --exclude Tombolix.exe
    --directory-ref INSTALLDIR --component-group PortableFiles --var var.SourceDir --win64
  INPUT_FILE files.txt OUTPUT_FILE files.wxs WORKING_DIRECTORY ${package_dir}
  COMMAND_ERROR_IS_FATAL ANY)
# wixl takes sources relative to the folder it runs in.
execute_process(COMMAND ${wixl} --arch x64 -D SourceDir=${name} -D Win64=yes
    -o ${build_dir}/${name}.msi Tombolix.wxs files.wxs
  WORKING_DIRECTORY ${package_dir} COMMAND_ERROR_IS_FATAL ANY)

foreach(package ${name}.zip ${name}.msi)
  file(SIZE ${build_dir}/${package} size)
  message(STATUS "windows: ${build_dir}/${package} (${size} bytes)")
endforeach()
