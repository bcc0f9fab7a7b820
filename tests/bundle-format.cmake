# Fails unless every registration of the bundle that rcc wrote below DIR is
# in format version 2, whatever the default of the rcc at hand. Multi-config
# generators add wrapper files that register nothing.
file(GLOB_RECURSE sources "${DIR}/qrc_corvalen*.cpp")
set(registrations 0)
foreach(source IN LISTS sources)
    file(STRINGS "${source}" versions REGEX "int version = ")
    foreach(version IN LISTS versions)
        if(NOT version MATCHES "int version = 2;")
            message(FATAL_ERROR "${source} registers the bundle with \"${version}\"")
        endif()
        math(EXPR registrations "${registrations} + 1")
    endforeach()
endforeach()
if(registrations EQUAL 0)
    message(FATAL_ERROR "no registration of the bundle in rcc's output below ${DIR}")
endif()
