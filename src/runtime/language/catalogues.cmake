# The translators' catalogues, po/*.po, compiled into the program as a table (see
# tools/translations/compileCatalogues.py): lumenary_catalogues(TARGET) adds it to TARGET.
# FONTS, the folder of the faces the program draws with, must hold every letter they use.
function(lumenary_catalogues target fonts)
  set(root "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../../..")
  file(GLOB po_files CONFIGURE_DEPENDS "${root}/po/*.po")
  set(compiler "${root}/tools/translations/compileCatalogues.py")
  set(output "${CMAKE_CURRENT_BINARY_DIR}/Catalogues.cpp")
  add_custom_command(OUTPUT "${output}"
    COMMAND /usr/bin/python3 "${compiler}" "${output}" --fonts "${fonts}" ${po_files}
    DEPENDS ${po_files} "${compiler}"
    COMMENT "Compiling the translations")
  target_sources(${target} PRIVATE "${output}")
endfunction()
