# SPDX-FileCopyrightText: 2026 The Velmoric developers
# SPDX-License-Identifier: MIT
# Writes the page and the service worker once the program is linked: the page with the size of
# the program's .wasm, the worker with the list of files to keep offline and a cache name that
# changes whenever one of them does.
file(SIZE ${WASM} WASM_SIZE)
set(CACHE_FILES "'./', 'index.html', 'sw.js'")
set(digests "")
configure_file(${SOURCE}/index.html.in ${SITE}/index.html @ONLY)
foreach(path ${SITE}/index.html ${FILES})
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
