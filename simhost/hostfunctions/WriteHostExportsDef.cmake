# Writes the .def file that exports the simulated host's functions under their plain NX_ names,
# from the symbols the compiler gave them in the simulated host's objects. On 32-bit x86 a
# stdcall symbol carries its argument bytes (_Host_NX_LoadEData@20), which the alias must
# name; on 64-bit x86 it is plain (Host_NX_LoadEData).
#   cmake -DNM=nm "-DOBJECTS=a.obj|b.obj" -DDEF=VARLUNE.def -P WriteHostExportsDef.cmake
string(REPLACE "|" ";" objects "${OBJECTS}")
execute_process(COMMAND ${NM} -g ${objects} OUTPUT_VARIABLE symbols RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${NM} could not list the symbols of ${objects}")
endif()
string(REGEX MATCHALL "[ \t]_?Host_NX_[A-Za-z0-9_]+(@[0-9]+)?" found "${symbols}")
set(exports "")
foreach(symbol ${found})
  string(REGEX REPLACE "^[ \t]_?(Host_(NX_[A-Za-z0-9_]+)(@[0-9]+)?)$" "    \\2=\\1" line "${symbol}")
  list(APPEND exports "${line}")
endforeach()
list(REMOVE_DUPLICATES exports)
list(SORT exports)
if(NOT exports)
  message(FATAL_ERROR "no host function symbols in ${objects}")
endif()
list(JOIN exports "\n" lines)
file(WRITE ${DEF} "; The host functions under their exact names, as the plug-in looks them up.\n"
                  "EXPORTS\n${lines}\n")
