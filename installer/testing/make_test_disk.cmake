# Copies the disk folder FROM to TO for the installation test, with the Installer item passing
# quiet mode to the package so that it installs without a window.
file(REMOVE_RECURSE ${TO})
file(COPY ${FROM}/ DESTINATION ${TO})
file(GLOB infos ${TO}/LauncherInfo/*.xml)
foreach(info IN LISTS infos)
  file(READ ${info} text)
  string(REPLACE "<Argument></Argument>" "<Argument>/qn</Argument>" text "${text}")
  file(WRITE ${info} "${text}")
endforeach()
file(TOUCH ${TO}/stamp)
