// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

/* mapwait NAME_SUBSTR cmd args... : forks cmd, waits for a top-level MapNotify whose
   WM_NAME/_NET_WM_NAME contains NAME_SUBSTR, prints "pid ms" (ms from fork to map). */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>
#include <fcntl.h>
static double now_ms(void){struct timespec t;clock_gettime(CLOCK_MONOTONIC,&t);return t.tv_sec*1e3+t.tv_nsec/1e6;}
static int name_matches(Display*d, Window w, const char*sub){
  Atom net=XInternAtom(d,"_NET_WM_NAME",False), utf8=XInternAtom(d,"UTF8_STRING",False);
  Atom type; int fmt; unsigned long n, after; unsigned char*p=NULL; int ok=0;
  if(XGetWindowProperty(d,w,net,0,1024,False,utf8,&type,&fmt,&n,&after,&p)==Success&&p){ok=strstr((char*)p,sub)!=NULL;XFree(p);}
  if(!ok){char*s=NULL; if(XFetchName(d,w,&s)&&s){ok=strstr(s,sub)!=NULL;XFree(s);}}
  return ok;
}
int main(int argc,char**argv){
  if(argc<3){fprintf(stderr,"usage\n");return 2;}
  Display*d=XOpenDisplay(NULL); if(!d){fprintf(stderr,"no display\n");return 2;}
  Window root=DefaultRootWindow(d);
  XSelectInput(d,root,SubstructureNotifyMask); XSync(d,False);
  double t0=now_ms(); pid_t pid=fork();
  if(pid==0){ int fd=open("/dev/null",1); dup2(fd,1); dup2(fd,2); execvp(argv[2],argv+2); _exit(127);} 
  for(;;){ XEvent e; XNextEvent(d,&e);
    if(e.type==MapNotify && name_matches(d,e.xmap.window,argv[1])){
      printf("%d %.1f\n",(int)pid,now_ms()-t0); fflush(stdout); break; } }
  XCloseDisplay(d); return 0;
}
