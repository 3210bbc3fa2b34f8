# Run by cpack after it has made the package: CPack counts every file it packs by the size of
# what it points to, so the program came in twice, once more through its link in games/. The
# field is set again as Debian's own tools compute it (deb-substvars(5)): each file and link by
# its own size in KiB, rounded up, and 1 KiB for each directory.
cmake_policy(SET CMP0009 NEW)  # a link to a folder is listed, not followed
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    if(NOT deb MATCHES "\\.deb$")
        continue()
    endif()
    set(tree "${deb}.tree")
    file(REMOVE_RECURSE "${tree}")
    execute_process(COMMAND dpkg-deb --raw-extract "${deb}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)

    set(kib 1)  # the top directory
    file(GLOB_RECURSE entries LIST_DIRECTORIES true "${tree}/*")
    foreach(entry IN LISTS entries)
        string(FIND "${entry}" "${tree}/DEBIAN" control_part)
        if(control_part EQUAL 0)
            continue()
        elseif(IS_SYMLINK "${entry}")
            file(READ_SYMLINK "${entry}" target)
            string(LENGTH "${target}" bytes)
        elseif(IS_DIRECTORY "${entry}")
            set(bytes 1024)
        else()
            file(SIZE "${entry}" bytes)
        endif()
        math(EXPR kib "${kib} + (${bytes} + 1023) / 1024")
    endforeach()

    file(READ "${tree}/DEBIAN/control" control)
    string(REGEX REPLACE "\nInstalled-Size: [0-9]+\n" "\nInstalled-Size: ${kib}\n" control "${control}")
    file(WRITE "${tree}/DEBIAN/control" "${control}")
    execute_process(COMMAND dpkg-deb --root-owner-group -Zxz --build "${tree}" "${deb}"
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE "${tree}")
endforeach()
