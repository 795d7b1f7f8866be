# bash completion for ortavel-cli
_ortavel_cli()
{
    local cur prev words cword
    _init_completion || return

    case $prev in
        --device)
            # A device path, or the start of a device server's address.
            if [[ -n $cur && ( tcp:// == "$cur"* || rfc2217:// == "$cur"* ) ]]; then
                COMPREPLY=($(compgen -W 'tcp:// rfc2217://' -- "$cur"))
                compopt -o nospace
            else
                _filedir
            fi
            return ;;
        --settings-dir) _filedir -d; return ;;
        --port)
            # --port 1,3,4: complete the number after the last comma.
            local given=
            [[ $cur == *,* ]] && given=${cur%,*},
            COMPREPLY=($(compgen -P "$given" -W '1 2 3 4 5 6' -- "${cur##*,}"))
            compopt -o nospace
            return ;;
        --baud) COMPREPLY=($(compgen -W '1200 2400 4800 9600 auto' -- "$cur")); return ;;
        --save) COMPREPLY=($(compgen -W 'user factory' -- "$cur")); return ;;
        --history) COMPREPLY=($(compgen -W 'sqlite: postgresql:' -- "$cur")); compopt -o nospace; return ;;
        --as-found|--csv|--pdf) _filedir; return ;;
        --port-map|--addresses|--bauds|--count|--interval|--repeat|--turnaround|--allowance|--points|--tolerance|--samples|--reference-values|--range|--operator|--instrument|--address|--since|--parameter|--within|--set-interval) return ;;
    esac

    local subcommands='ports search read set backup apply poll zero save restore-factory send verify history due'
    local i subcommand=
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
            --device|--port|--port-map|--baud|--settings-dir|--history|--operator) ((i++)) ;;
            -*) ;;
            *) subcommand=${words[i]}; break ;;
        esac
    done

    if [[ -z $subcommand ]]; then
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W '--device --port --port-map --baud --settings-dir --json --trace --history --no-history --operator --help --version' -- "$cur"))
        else
            COMPREPLY=($(compgen -W "$subcommands" -- "$cur"))
        fi
        return
    fi
    case $subcommand in
        search) COMPREPLY=($(compgen -W '--addresses --bauds --quick --turnaround --allowance' -- "$cur")) ;;
        set) COMPREPLY=($(compgen -W '--save type= id= unit= decimals= display_zero= display_full_scale= output_4ma= output_20ma= trim_4ma= trim_20ma= address= baud=' -- "$cur")); compopt -o nospace ;;
        apply) [[ $cur == -* ]] && COMPREPLY=($(compgen -W '--all --addresses --bauds --save --with-calibration --with-trims --dry-run' -- "$cur")) || _filedir json ;;
        backup) _filedir json ;;
        poll) COMPREPLY=($(compgen -W '--count --interval' -- "$cur")) ;;
        save) COMPREPLY=($(compgen -W 'user factory' -- "$cur")) ;;
        send) COMPREPLY=($(compgen -W '--repeat' -- "$cur")) ;;
        history) COMPREPLY=($(compgen -W '--address --since --parameter --json --csv --check' -- "$cur")) ;;
        due) COMPREPLY=($(compgen -W '--within --json --set-interval' -- "$cur")) ;;
        verify) COMPREPLY=($(compgen -W '--points --updown --tolerance --samples --reference-values --as-found --as-left --range --csv --pdf --operator --instrument --procedure --dwell --reference-serial --reference-certificate --reference-due --accept-overdue-reference --reference-uncertainty --decision --organisation --place --customer --tag --location --ambient --departures --ma-values --report-prefix' -- "$cur")) ;;
    esac
} &&
    complete -F _ortavel_cli ortavel-cli
