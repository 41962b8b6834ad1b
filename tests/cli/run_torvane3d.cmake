# run(ARGS...): runs ${TORVANE3D} with the arguments; sets rc, out and err.
function(run)
  execute_process(COMMAND ${TORVANE3D} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(rc "${rc}" PARENT_SCOPE)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()
