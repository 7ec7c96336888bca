# kestavine_desktop_exec(PROGRAM OUT): PROGRAM as a desktop entry's Exec value.
# A path with a space or another reserved character is quoted, and within the
# quotes ", `, $ and \ take a backslash; % is doubled, as it starts a field
# code; and the value as a whole escapes its backslashes once more, as every
# string in a desktop entry does. A plain path stays as it is.
function(kestavine_desktop_exec program out)
    set(command "${program}")
    if(command MATCHES "[ \t\n\"'\\\\><~|&;$*?#()`]")
        string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" command "${command}")
        set(command "\"${command}\"")
    endif()
    string(REPLACE "%" "%%" command "${command}")
    string(REPLACE "\\" "\\\\" command "${command}")
    string(REPLACE "\n" "\\n" command "${command}")
    string(REPLACE "\t" "\\t" command "${command}")
    set(${out} "${command}" PARENT_SCOPE)
endfunction()
