# Writes the site's service worker: every file of the site folder in its
# list, and a version that changes whenever any of them does.
# cmake -DSITE=DIR -DTEMPLATE=ServiceWorker.js.in -P ServiceWorker.cmake
file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw.js)
list(FILTER files EXCLUDE REGEX "\\.(gz|br)$")
list(SORT files)
set(listed "'./'")
set(sums "")
foreach(file ${files})
  string(APPEND listed ", './${file}'")
  file(SHA256 ${SITE}/${file} sum)
  string(APPEND sums "${file} ${sum}\n")
endforeach()
string(SHA256 version "${sums}")
string(SUBSTRING ${version} 0 16 SITE_VERSION)
set(SITE_FILES "${listed}")
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
