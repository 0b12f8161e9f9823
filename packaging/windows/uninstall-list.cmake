# Writes the uninstaller's part of ampora.nsi from the deployed folder FOLDER into OUTPUT: one
# Delete per file and one RMDir per folder, deepest first, so that the uninstaller removes
# exactly what the setup put there.
#   cmake -DFOLDER=<deployed folder> -DOUTPUT=<file.nsh> -P uninstall-list.cmake
file(GLOB_RECURSE files RELATIVE ${FOLDER} ${FOLDER}/*)
file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE ${FOLDER} ${FOLDER}/*)
set(folders ${entries})
list(REMOVE_ITEM folders ${files})
# A folder sorts before what it holds; backwards, its contents come first.
list(SORT folders ORDER DESCENDING)
set(text "")
foreach(file IN LISTS files)
  string(REPLACE "/" "\\" file "${file}")
  string(APPEND text "Delete \"$INSTDIR\\${file}\"\n")
endforeach()
foreach(folder IN LISTS folders)
  string(REPLACE "/" "\\" folder "${folder}")
  string(APPEND text "RMDir \"$INSTDIR\\${folder}\"\n")
endforeach()
file(WRITE ${OUTPUT} "${text}")
