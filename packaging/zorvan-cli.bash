# bash completion for zorvan-cli: commands, options, the input fields of
# --set and --vary (as zorvan-cli fields lists them), presets, and file names
# by the extension each option writes or reads.

_zorvan_cli_files() {
  local ext IFS=$'\n'
  COMPREPLY=($(compgen -d -S / -- "$cur"))
  for ext in "$@"; do
    COMPREPLY+=($(compgen -f -X "!*.$ext" -- "$cur"))
  done
  compopt -o nospace 2>/dev/null
}

_zorvan_cli() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
  local commands="dump save report notice flywheel orders plot sweep table export torsional compare pressure fields"
  if [[ $COMP_CWORD -eq 1 ]]; then
    COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
    return
  fi
  local command=${COMP_WORDS[1]}
  case $prev in
    --preset) COMPREPLY=($(compgen -W "0 1 2 3 4 5 6 7 8 9 10" -- "$cur")); return ;;
    --set|--vary)
      local fields
      fields=$("${COMP_WORDS[0]}" fields 2>/dev/null)
      COMPREPLY=($(compgen -W "$fields" -S = -- "$cur"))
      compopt -o nospace 2>/dev/null
      return ;;
    --type) COMPREPLY=($(compgen -W "1 2 3 4" -- "$cur")); return ;;
    --mode) COMPREPLY=($(compgen -W "envelope vectors both" -- "$cur")); return ;;
    --phasors) COMPREPLY=($(compgen -W "force moment" -- "$cur")); return ;;
    --order) COMPREPLY=($(compgen -W "1 2" -- "$cur")); return ;;
    --style) COMPREPLY=($(compgen -W "aligned annotated" -- "$cur")); return ;;
    --coord) COMPREPLY=($(compgen -W "global local" -- "$cur")); return ;;
    --of) COMPREPLY=($(compgen -W "torque shaking" -- "$cur")); return ;;
    --csv)  # a file for plot; a flag elsewhere, after which the other options follow
      if [[ $command == plot ]]; then _zorvan_cli_files csv; return; fi ;;
    --stations) _zorvan_cli_files csv; return ;;
    --balancer) COMPREPLY=($(compgen -W "first second both" -- "$cur")); return ;;
    --moments-about) COMPREPLY=($(compgen -W "centre cylinder1" -- "$cur")); return ;;
    --pressure) _zorvan_cli_files csv txt dat; return ;;
    --pressure-unit) COMPREPLY=($(compgen -W "bar kPa MPa Pa psi" -- "$cur")); return ;;
    --printout) _zorvan_cli_files pdf; return ;;
    --step) COMPREPLY=($(compgen -W "1 2 3 5 10" -- "$cur")); return ;;
    --decimals) COMPREPLY=($(compgen -W "0 1 2 3 4 5 6" -- "$cur")); return ;;
    -o)
      case $command in
        plot) _zorvan_cli_files png svg pdf ;;
        sweep) _zorvan_cli_files csv ;;
        table) _zorvan_cli_files dat ;;
        export) _zorvan_cli_files txt ;;
        torsional) _zorvan_cli_files csv png svg pdf ;;
        pressure) _zorvan_cli_files csv ;;
        *) _zorvan_cli_files zrv ;;
      esac
      return ;;
    --format|--functions|--columns|--figures|--jobs|--shard|--size|--coef|--zeta|--crankcase|--tdc-offset|--compression-ratio) return ;;
  esac
  if [[ $command == notice && $COMP_CWORD -eq 2 ]]; then
    COMPREPLY=($(compgen -W "force moment torque firing mass spacing suggestions guidelines phase rodload" -- "$cur"))
    return
  fi
  if [[ $cur == -* ]]; then
    local options="--preset --set --pressure --pressure-unit --gauge --absolute --crankcase --tdc-offset --help"
    case $command in
      dump) options+=" --balancer --moments-about" ;;
      save) options+=" --balancer" ;;
      flywheel) options+=" --coef" ;;
      orders) options+=" --of --csv --moments-about --balancer" ;;
      plot) options+=" --type --format --functions --style --coord -o --size --csv --mode --power --phasors --order --balancer --pv --log --compression-ratio" ;;
      sweep) options+=" --vary --figures --jobs --shard -o --balancer --moments-about" ;;
      compare) options="--csv --moments-about --help" ;;
      table) options+=" --format --columns --step --decimals --coord -o --printout" ;;
      export|pressure) options+=" -o" ;;
      torsional) options+=" --stations --csv --campbell --modes --response --zeta -o --size" ;;
    esac
    COMPREPLY=($(compgen -W "$options" -- "$cur"))
    return
  fi
  _zorvan_cli_files zrv
}

complete -F _zorvan_cli zorvan-cli
