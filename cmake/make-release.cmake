# Fills a program folder with the data files that lie beside the program:
# config.bin (made by k8ctl from the defaults in code), str.ini and the skins.
#   cmake -DSOURCE=... -DRELEASE=... -DK8CTL=... -DWINE=... -P make-release.cmake

if(NOT EXISTS ${RELEASE}/config.bin OR ${K8CTL} IS_NEWER_THAN ${RELEASE}/config.bin)
  # k8ctl.exe runs under Wine; its output is redirected so that no Wine daemon holds the
  # build tool's pipes open.
  execute_process(
    COMMAND sh -c "WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' \"$0\" \"$1\" init-config \"$2\" </dev/null >/dev/null 2>&1"
            ${WINE} ${K8CTL} ${RELEASE}/config.bin
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR NOT EXISTS ${RELEASE}/config.bin)
    message(FATAL_ERROR "k8ctl init-config failed (${status})")
  endif()
endif()

if(EXISTS ${SOURCE}/res/str.ini)
  file(COPY ${SOURCE}/res/str.ini DESTINATION ${RELEASE})
endif()

file(GLOB skins LIST_DIRECTORIES true ${SOURCE}/skins/*)
foreach(skin ${skins})
  if(IS_DIRECTORY ${skin})
    get_filename_component(name ${skin} NAME)
    file(GLOB pngs ${skin}/*.png)
    if(pngs)
      file(COPY ${pngs} DESTINATION ${RELEASE}/Skins/${name})
    endif()
    # Art for other display scales, one folder per percentage.
    file(GLOB scales LIST_DIRECTORIES true ${skin}/[1-9][0-9][0-9])
    foreach(scale ${scales})
      get_filename_component(percent ${scale} NAME)
      file(GLOB pngs ${scale}/*.png)
      if(pngs)
        file(COPY ${pngs} DESTINATION ${RELEASE}/Skins/${name}/${percent})
      endif()
    endforeach()
  endif()
endforeach()
