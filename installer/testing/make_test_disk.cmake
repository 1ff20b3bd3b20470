# Copies the disk folder FROM to TO for the installation test, with the Installer item passing
# quiet mode to the package so that it installs without a window; with PACKAGE, that package
# takes the place of the disk's own (a newer version on a copy of this disk).
file(REMOVE_RECURSE ${TO})
file(COPY ${FROM}/ DESTINATION ${TO})
file(GLOB infos ${TO}/LauncherInfo/*.xml)
foreach(info IN LISTS infos)
  file(READ ${info} text)
  string(REPLACE "<Argument></Argument>" "<Argument>/qn</Argument>" text "${text}")
  file(WRITE ${info} "${text}")
endforeach()
if(PACKAGE)
  file(COPY_FILE ${PACKAGE} ${TO}/Visomat/DimoraDdcci.msi)
endif()
file(TOUCH ${TO}/stamp)
