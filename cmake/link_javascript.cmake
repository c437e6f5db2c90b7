# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
# cmake -DHTML=DIR -P link_javascript.cmake: in the HTML reference under DIR,
# the JavaScript libraries Sphinx and Doxygen copy in become symbolic links
# to Debian's packaged copies (libjs-sphinxdoc, libjs-jquery), as Debian's
# policy wants; relative links, the references being installed under
# /usr/share/doc/PACKAGE/html. Only libraries Debian ships are linked; the
# files each tool writes for its own pages stay. language_data.js is the
# English one Sphinx writes for these pages and libjs-sphinxdoc holds.
set(sphinxdoc /usr/share/javascript/sphinxdoc/1.0)
foreach(name _sphinx_javascript_frameworks_compat.js doctools.js jquery.js language_data.js
             searchtools.js sphinx_highlight.js underscore.js)
    set(copy ${HTML}/python/_static/${name})
    if(EXISTS ${copy})
        if(NOT EXISTS ${sphinxdoc}/${name})
            message(FATAL_ERROR "${sphinxdoc}/${name} is missing: install libjs-sphinxdoc")
        endif()
        file(REMOVE ${copy})
        file(CREATE_LINK ../../../../javascript/sphinxdoc/1.0/${name} ${copy} SYMBOLIC)
    endif()
endforeach()
# Doxygen's jquery.js bundles jQuery with the plug-ins of its dynamic menus,
# which Doxyfile turns off (HTML_DYNAMIC_MENUS = NO): plain jQuery serves.
file(REMOVE ${HTML}/cpp/jquery.js)
file(CREATE_LINK ../../../javascript/jquery/jquery.js ${HTML}/cpp/jquery.js SYMBOLIC)
# The link from the Python reference to the C++ one, installed by
# libellipsoid-flow-dev.
file(CREATE_LINK ../../libellipsoid-flow-dev/html ${HTML}/python/cpp SYMBOLIC)
