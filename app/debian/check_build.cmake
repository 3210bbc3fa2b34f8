# Read by cpack before it makes the package: players get only an optimised build without the
# sanitizers (those need their run-time libraries and are slow).
if(NOT CPACK_SLCY_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$" OR CPACK_SLCY_SANITIZE)
    message(FATAL_ERROR "The package is made only from an optimised build without the "
                        "sanitizers; this build is '${CPACK_SLCY_BUILD_TYPE}', sanitizers "
                        "${CPACK_SLCY_SANITIZE}.")
endif()
