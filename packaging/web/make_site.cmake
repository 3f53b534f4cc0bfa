# SPDX-FileCopyrightText: 2026 The Velmoric developers
# SPDX-License-Identifier: MIT
# Completes the page's folder once the program is linked: the program's .js and .wasm and Qt's
# loader beside the page, the page with the size of the .wasm, and the service worker with the
# list of files to keep offline and a cache name that changes whenever one of them does.
foreach(path ${PROGRAM})
    get_filename_component(name ${path} NAME)
    file(COPY_FILE ${path} ${SITE}/${name} ONLY_IF_DIFFERENT)
endforeach()
file(SIZE ${WASM} WASM_SIZE)
set(CACHE_FILES "'./', 'index.html', 'sw.js'")
set(digests "")
configure_file(${SOURCE}/index.html.in ${SITE}/index.html @ONLY)
foreach(path ${SITE}/index.html ${FILES} ${PROGRAM})
    get_filename_component(name ${path} NAME)
    file(SHA256 ${path} digest)
    string(APPEND digests "${digest} ${name}\n")
    if(NOT name STREQUAL "index.html")
        string(APPEND CACHE_FILES ", '${name}'")
    endif()
endforeach()
string(SHA256 CACHE_VERSION "${digests}")
string(SUBSTRING ${CACHE_VERSION} 0 16 CACHE_VERSION)
configure_file(${SOURCE}/sw.js.in ${SITE}/sw.js @ONLY)
