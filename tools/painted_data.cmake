# zembrol_painted_data(TOOL FOLDER COMMENT SOURCES ... FILES ...)
# A build-time picture generator: TOOL, built from SOURCES, paints FILES into the
# runnable tree's data/FOLDER (run as "TOOL OUTPUT_FOLDER"); they install with the shipped data.
# The target zembrol_FOLDER stands for the painted files.
function(zembrol_painted_data tool folder comment)
  cmake_parse_arguments(P "" "" "SOURCES;FILES" ${ARGN})
  add_executable(${tool} ${P_SOURCES})
  target_link_libraries(${tool} PRIVATE zembrol_platform)
  target_include_directories(${tool} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tools)
  set(dir ${ZEMBROL_RUNTIME_DIR}/data/${folder})
  list(TRANSFORM P_FILES PREPEND ${dir}/ OUTPUT_VARIABLE outputs)
  add_custom_command(OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${tool} ${dir}
    DEPENDS ${tool} VERBATIM
    COMMENT "${comment}")
  add_custom_target(zembrol_${folder} ALL DEPENDS ${outputs})
  install(FILES ${outputs} DESTINATION ${ZEMBROL_INSTALL_SHARE}/data/${folder})
endfunction()
