#!/bin/sh
# A private CUPS server with one cups-pdf queue, for the printing tests.
#   print_cups_server.sh start DIR   starts cupsd with everything under DIR (socket DIR/cups.sock),
#                                    adds the queue "TavrelPdf"; output PDFs land in DIR/out
#   print_cups_server.sh stop DIR    stops that server and removes its cups-pdf configuration
# cups-pdf reads its configuration only from /etc/cups, per queue from cups-pdf-NAME.conf where
# NAME is the device URI's path, so the server gets a file there named after DIR and removed on
# stop. Its Ghostscript call keeps images as they come: no downsampling, Flate, no JPEG.
set -eu
action=$1
dir=$(cd "$2" && pwd)
name=tavrel-$(basename "$dir")
conf=/etc/cups/cups-pdf-$name.conf

case $action in
start)
    mkdir -p "$dir/conf/ppd" "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" \
             "$dir/out" "$dir/cups-pdf-spool"
    chmod 755 "$dir" "$dir/out"
    chmod 1777 "$dir/spool/tmp"
    cat > "$dir/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel info
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
CONF
    cat > "$dir/cups-files.conf" <<CONF
ServerRoot $dir/conf
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ServerBin /usr/lib/cups
DataDir /usr/share/cups
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
Printcap $dir/printcap
CONF
    cat > "$conf" <<CONF
Out $dir/out
AnonDirName $dir/out
Spool $dir/cups-pdf-spool
Grp root
Log $dir/log
LogType 3
GSCall %s -q -dCompatibilityLevel=%s -dNOPAUSE -dBATCH -dSAFER -sDEVICE=pdfwrite -sOutputFile="%s" -dAutoRotatePages=/None -dDownsampleColorImages=false -dDownsampleGrayImages=false -dDownsampleMonoImages=false -dAutoFilterColorImages=false -dAutoFilterGrayImages=false -dColorImageFilter=/FlateEncode -dGrayImageFilter=/FlateEncode -dMonoImageFilter=/FlateEncode -dPassThroughJPEGImages=false -c -f %s
CONF
    /usr/sbin/cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" > "$dir/log/cupsd.out" 2>&1 &
    echo $! > "$dir/cupsd.child"
    i=0
    until lpstat -h "$dir/cups.sock" -r 2> /dev/null | grep -q "is running"; do
        i=$((i + 1))
        if [ $i -gt 100 ] || ! kill -0 "$(cat "$dir/cupsd.child")" 2> /dev/null; then
            echo "cupsd did not start" >&2
            cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null || true
            exit 1
        fi
        sleep 0.1
    done
    # Poppler's pdftops turns the PDF into PostScript without touching the images.
    if ! messages=$(lpadmin -h "$dir/cups.sock" -p TavrelPdf -E -v "cups-pdf:/$name" \
            -P /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd \
            -o pdftops-renderer-default=pdftops 2>&1); then
        echo "$messages" >&2
        exit 1
    fi
    ;;
stop)
    if [ -f "$dir/cupsd.child" ]; then
        pid=$(cat "$dir/cupsd.child")
        kill "$pid" 2> /dev/null || true
        i=0
        while kill -0 "$pid" 2> /dev/null && [ $i -lt 50 ]; do
            i=$((i + 1))
            sleep 0.1
        done
        rm -f "$dir/cupsd.child"
    fi
    rm -f "$conf"
    ;;
*)
    echo "usage: $0 start|stop DIR" >&2
    exit 2
    ;;
esac
